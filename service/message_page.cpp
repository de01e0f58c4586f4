#include "service/message_page.h"

#include "base/gbk.h"
#include "service/html_text.h"

namespace namer::service {

std::string render_message_page(std::string_view title, std::string_view message) {
    std::string page = u8"<!DOCTYPE html>\n<html lang=\"zh-CN\">\n<head>\n<meta charset=\"GBK\">\n<title>";
    page += html_escape(title);
    page += u8"</title>\n</head>\n<body>\n<h1>" + html_escape(title) + "</h1>\n<p id=\"er\">" + html_escape(message) +
            "</p>\n</body>\n</html>\n";
    return gbk_from_utf8(page);
}

} // namespace namer::service
