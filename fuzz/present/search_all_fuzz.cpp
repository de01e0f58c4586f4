// search_all with the item and the paragraph expression over pages built from the pieces those expressions look
// for, each compared with a plain scanner that finds the same matches; then the text routines the fills apply.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <iterator>
#include <string>
#include <vector>

#include "present/fill_meaning_text.h"
#include "present/fill_result_list.h"
#include "present/pattern.h"
#include "present/replace_all.h"
#include "present/text_between.h"

namespace {

using Span = std::pair<std::size_t, std::size_t>; // start, length

const char* const pieces[] = {
    "<ul>",
    "</ul>",
    "<li><a href=\"x\" target=\"_blank\">",
    "target=\"_blank\">",
    "target='_blank'>",
    "</a></li>",
    "</a>",
    "</li>",
    "<p id=\"",
    "\">",
    "\"",
    "/p>",
    "</p>",
    "<br />",
    "<",
    ">",
    "\r\n",
    "\xD5\xC5",
    "\xD5",
    "m1",
    "x",
};

std::string build_page(FuzzedDataProvider& input) {
    std::string page;
    while (input.remaining_bytes() > 0) {
        if (input.ConsumeBool())
            page += pieces[input.ConsumeIntegralInRange<std::size_t>(0, std::size(pieces) - 1)];
        else
            page += input.ConsumeBytesAsString(input.ConsumeIntegralInRange<std::size_t>(1, 4));
    }
    return page;
}

// target="_blank">(.*?)</a></li>: the opening text, then the nearest closing text; no closing text, no more.
std::vector<std::pair<Span, Span>> scan_items(const std::string& page) {
    const std::string open = "target=\"_blank\">", close = "</a></li>";
    std::vector<std::pair<Span, Span>> found;
    std::size_t from = 0;
    while (true) {
        const std::size_t at = page.find(open, from);
        if (at == std::string::npos)
            break;
        const std::size_t inner = at + open.size();
        const std::size_t end = page.find(close, inner);
        if (end == std::string::npos)
            break;
        found.push_back({{at, end + close.size() - at}, {inner, end - inner}});
        from = end + close.size();
    }
    return found;
}

// <p id="..">(.*?)/p>: an opening tag with any two bytes as id, then the nearest "/p>".
std::vector<std::pair<Span, Span>> scan_paragraphs(const std::string& page) {
    const std::string open = "<p id=\"", close = "/p>";
    std::vector<std::pair<Span, Span>> found;
    std::size_t from = 0;
    while (true) {
        const std::size_t at = page.find(open, from);
        if (at == std::string::npos)
            break;
        const std::size_t inner = at + open.size() + 4;
        if (inner > page.size() || page.compare(inner - 2, 2, "\">") != 0) {
            from = at + 1;
            continue;
        }
        const std::size_t end = page.find(close, inner);
        if (end == std::string::npos)
            break;
        found.push_back({{at, end + close.size() - at}, {inner, end - inner}});
        from = end + close.size();
    }
    return found;
}

void check(const char* expression, const std::string& page, const std::vector<std::pair<Span, Span>>& expected) {
    namer::Pattern pattern;
    if (!namer::compile_pattern(pattern, expression))
        std::abort();
    const namer::MatchList matches = namer::search_all(pattern, page);
    if (matches.size() != expected.size())
        std::abort();
    for (std::size_t i = 0; i < matches.size(); ++i) {
        const namer::Match& m = matches[i];
        if (m.size() != 2 || !m[0].matched || !m[1].matched)
            std::abort();
        const Span whole(static_cast<std::size_t>(m[0].start), static_cast<std::size_t>(m[0].length));
        const Span group(static_cast<std::size_t>(m[1].start), static_cast<std::size_t>(m[1].length));
        if (whole != expected[i].first || group != expected[i].second)
            std::abort();
        if (namer::group_text(m, page, 1) != page.substr(group.first, group.second))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string page = build_page(input);

    const std::string section = namer::text_between(page, "<ul>", "</ul>");
    check(namer::item_expression, section, scan_items(section));
    check(namer::item_expression, page, scan_items(page));
    check(namer::paragraph_expression, page, scan_paragraphs(page));

    // The meaning text of every paragraph: no "<" survives, every line-break tag is gone.
    namer::Pattern paragraphs;
    namer::compile_pattern(paragraphs, namer::paragraph_expression);
    for (const namer::Match& match : namer::search_all(paragraphs, page)) {
        const std::string lines = namer::replace_all(namer::group_text(match, page, 1), "<br />", "\r\n");
        const std::string text = namer::replace_all(lines, "<", std::string(45, '-') + "\r\n");
        for (std::size_t at = 0; at < text.size(); at += static_cast<unsigned char>(text[at]) >= 0x80 ? 2 : 1)
            if (text[at] == '<')
                std::abort();
    }
    return 0;
}
