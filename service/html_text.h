#pragma once
#include <string>
#include <string_view>

namespace namer::service {

// The text with &, <, >, " and ' written as character references, safe inside an element or an attribute.
// Works on GBK as on UTF-8: no byte of a two-byte character is one of these.
std::string html_escape(std::string_view text);
void append_html_escaped(std::string& out, std::string_view text);

// Every byte as "%XX" (upper case), the form the client itself sends names in.
std::string percent_encode_all(std::string_view bytes);
void append_percent_encoded(std::string& out, std::string_view bytes);

} // namespace namer::service
