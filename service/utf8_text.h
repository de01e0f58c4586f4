#pragma once
#include <string>
#include <string_view>

namespace namer::service {

// The code points of a UTF-8 string; a malformed sequence becomes U+FFFD.
std::u32string code_points(std::string_view utf8);

std::string utf8_from_code_point(char32_t code);
std::string utf8_from_code_points(std::u32string_view codes);

// True for a CJK unified ideograph, the characters a Chinese name is written in.
bool is_hanzi(char32_t code);

} // namespace namer::service
