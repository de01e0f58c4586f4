#pragma once

namespace namer {

// The item expression: the end of the opening tag of a link that opens in a new window; group 1 is the link text
// up to the next "</a></li>". The engine reads \x22 as the double quote.
inline constexpr char item_expression[] = R"(target=\x22_blank\x22>(.*?)</a></li>)";

// Created handler of the ResultWindow: inserts the columns ID, 姓名, 拼音 of the list 超级列表框1 and one row per
// link text found in the first "<ul>" ... "</ul>" of result_page, numbered from 1, with the name byte for byte and
// its pinyin. Writes list_section and item_matches.
void fill_result_list();

} // namespace namer
