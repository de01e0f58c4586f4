#include "service/list_page.h"

#include "base/gbk.h"
#include "service/html_text.h"

namespace namer::service {

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
    for (const ProposedName& name : page.names) {
        out += "<li><a href=\"/showMeaning.php?name=";
        out += percent_encode_all(name.gbk);
        out += "\" target=\"_blank\">";
        out += html_escape(name.gbk);
        out += "</a></li>\n";
    }
    out += "</ul>\n";
    out += gbk_from_utf8(u8"<p>共 " + std::to_string(page.names.size()) +
                         u8" 个名字，点击名字可查看读音、字义、寓意和出处。</p>\n</body>\n</html>\n");
    return out;
}

} // namespace namer::service
