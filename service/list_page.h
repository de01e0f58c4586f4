#pragma once
#include <string>
#include <vector>

#include "service/name_generator.h"

namespace namer::service {

// A page of proposed names. Texts are UTF-8; the query line may hold what the request sent and is escaped.
struct ListPage {
    std::string title;              // 免费起名
    std::string query;              // 张姓 · 男孩 · 三字名
    std::vector<std::string> notes; // sentences shown above the list (no surname given, fewer names found ...)
    std::vector<ProposedName> names;
};

// The page in GBK. The names stand in the page's first <ul> ... </ul>, each as
// <li><a href="/showMeaning.php?name=..." target="_blank">NAME</a></li>, in the order of `names`.
std::string render_list_page(const ListPage& page);

} // namespace namer::service
