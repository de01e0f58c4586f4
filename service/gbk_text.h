#pragma once
#include <string>
#include <string_view>

namespace namer::service {

// True when every byte belongs to a character of the GBK code page (ASCII or a mapped two-byte character).
bool is_valid_gbk(std::string_view gbk);

// The code points without the blanks (spaces, tabs, line breaks, the ideographic space) at either end.
std::u32string trim_blanks(std::u32string_view codes);

} // namespace namer::service
