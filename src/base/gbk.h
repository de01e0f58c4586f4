#pragma once
#include <string>
#include <string_view>

#include "base/text.h"

namespace namer {

// Conversions between GBK (code page 936) and Unicode. A character that the target cannot hold becomes "?".
// These are the one way the project writes Chinese literals as GBK: gbk_from_utf8("张三") is D5 C5 C8 FD.
Text gbk_from_utf8(std::string_view utf8);
std::string utf8_from_gbk(std::string_view gbk);
std::u16string utf16_from_gbk(std::string_view gbk);
Text gbk_from_utf16(std::u16string_view utf16);

} // namespace namer
