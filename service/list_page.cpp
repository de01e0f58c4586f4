#include "service/list_page.h"

#include <algorithm>

#include "base/gbk.h"
#include "service/html_text.h"

namespace namer::service {
namespace {

constexpr std::string_view item_start = "<li><a href=\"/showMeaning.php?name=";
constexpr std::string_view item_middle = "\" target=\"_blank\">";
constexpr std::string_view item_end = "</a></li>\n";

bool needs_escape(std::string_view text) {
    for (char c : text)
        if (c == '&' || c == '<' || c == '>' || c == '"' || c == '\'')
            return true;
    return false;
}

// One list item; a name of Chinese characters (every name the generator makes) is written in one piece.
void append_list_item(std::string& out, std::string_view gbk) {
    char line[160];
    if (gbk.size() > 16 || needs_escape(gbk)) {
        out += item_start;
        append_percent_encoded(out, gbk);
        out += item_middle;
        append_html_escaped(out, gbk);
        out += item_end;
        return;
    }
    static constexpr char digits[] = "0123456789ABCDEF";
    char* at = std::copy(item_start.begin(), item_start.end(), line);
    for (char c : gbk) {
        const auto byte = static_cast<unsigned char>(c);
        at[0] = '%';
        at[1] = digits[byte >> 4];
        at[2] = digits[byte & 0x0F];
        at += 3;
    }
    at = std::copy(item_middle.begin(), item_middle.end(), at);
    at = std::copy(gbk.begin(), gbk.end(), at);
    at = std::copy(item_end.begin(), item_end.end(), at);
    out.append(line, static_cast<std::size_t>(at - line));
}

} // namespace

std::string render_list_page(const ListPage& page) {
    std::string head = u8"<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"GBK\">\n<title>";
    head += html_escape(page.title);
    head += u8" - 起名</title>\n</head>\n<body>\n<h1>";
    head += html_escape(page.title);
    head += "</h1>\n<p>" + html_escape(page.query) + "</p>\n";
    for (const std::string& note : page.notes)
        head += "<p>" + html_escape(note) + "</p>\n";

    std::string out = gbk_from_utf8(head);
    out.reserve(out.size() + page.names.size() * 90 + 200);
    out += "<ul>\n";
    for (const ProposedName& name : page.names)
        append_list_item(out, name.gbk);
    out += "</ul>\n";
    out += gbk_from_utf8(u8"<p>共 " + std::to_string(page.names.size()) +
                         u8" 个名字，点击名字可查看读音、字义、寓意和出处。</p>\n</body>\n</html>\n");
    return out;
}

} // namespace namer::service
