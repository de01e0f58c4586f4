#pragma once
#include "base/text.h"

namespace namer {

// Every byte as "%" and two upper-case hexadecimal digits; letters, digits and spaces included. Pending window
// events are processed after each byte, so a long text keeps the window responsive.
Text percent_encode(const Text& text);

// A name as it goes raw into a request target: its bytes unchanged, except those that could end the request
// line or split the query (0x00-0x20, 0x7F, '"', '#', '%', '&', '+', '<', '>'), which are percent-encoded.
Text escape_request_target(const Text& name);

} // namespace namer
