#pragma once
#include <string>
#include <string_view>

namespace namer::service {

// The text with &, <, >, " and ' written as character references, safe inside an element or an attribute.
std::string html_escape(std::string_view text);

// Every byte as "%XX" (upper case), the form the client itself sends names in.
std::string percent_encode_all(std::string_view bytes);

} // namespace namer::service
