#pragma once

namespace namer {

// The paragraph expression: an opening tag <p id="..."> with an id of exactly two bytes and nothing else in it;
// group 1 runs up to the next "/p>", so it ends with the "<" of "</p>". The engine reads \x22 as the double quote.
inline constexpr char paragraph_expression[] = R"(<p id=\x22.{2}\x22>(.*?)/p>)";

// Created handler of the MeaningWindow: appends the paragraphs of the chosen meaning page (meaning_page_main when
// it is not empty, otherwise meaning_page_list) to the edit box 编辑框_显示, their "<br />" turned into line breaks
// and every other "<" into separator_line and a line break. Writes paragraph_matches and separator_line.
void fill_meaning_text();

} // namespace namer
