#pragma once
#include <string>
#include <string_view>

namespace namer::service {

// A short page (GBK) that answers a request the service cannot serve: a heading and one explanation paragraph,
// written as a meaning paragraph so that the client's explanation window shows it too. Both texts are UTF-8 and
// are escaped.
std::string render_message_page(std::string_view title, std::string_view message);

} // namespace namer::service
