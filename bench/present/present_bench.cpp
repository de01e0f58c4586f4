// Fill times of the result list and the explanation text over pages of the naming service's form, and how long a
// search takes to give up on a malformed megabyte.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "base/gbk.h"
#include "fakes/fake_windows.h"
#include "platform/platform.h"
#include "present/fill_meaning_text.h"
#include "present/fill_result_list.h"
#include "present/pattern.h"
#include "state/program_state.h"

using namespace namer;

namespace {

const char* const surnames[] = {"张", "李", "王", "欧阳", "陈", "刘", "司马", "赵"};
const char* const given[] = {"子涵", "浩然", "雨桐", "梓萱", "一诺", "思远", "欣怡", "宇轩", "嘉懿", "明"};

Text percent_encoded(const Text& gbk) {
    Text out;
    char hex[4];
    for (unsigned char byte : gbk) {
        std::snprintf(hex, sizeof hex, "%%%02X", byte);
        out += hex;
    }
    return out;
}

// A name-list page as the service writes it: a head, a <ul> of `names` links opening in a new window, a footer.
// `entry_bytes` pads each entry with a title attribute (about 80 bytes an entry without it).
Text name_list_page(int names, std::size_t entry_bytes) {
    Text page = "<html><head><meta charset=\"gbk\"><title>" + gbk_from_utf8("起名结果") +
                "</title></head>\r\n<body><div class=\"result\">\r\n<ul>\r\n";
    for (int i = 0; i < names; ++i) {
        const Text name = gbk_from_utf8(std::string(surnames[i % 8]) + given[(i / 8) % 10]);
        const Text head = "<li><a href=\"/showMeaning.php?name=" + percent_encoded(name) + "\" title=\"";
        const Text tail = "\" target=\"_blank\">" + name + "</a></li>\r\n";
        const std::size_t bare = head.size() + tail.size();
        page += head + Text(entry_bytes > bare ? entry_bytes - bare : 0, 'n') + tail;
    }
    return page + "</ul>\r\n<p class=\"foot\">" + gbk_from_utf8("仅供参考") + "</p></div></body></html>\r\n";
}

// A meaning page: `paragraphs` explanation paragraphs of about 300 bytes with line-break tags and a bold word.
Text meaning_page(int paragraphs) {
    const Text line = gbk_from_utf8("子：君子之德，温润如玉。涵：包容、涵养，寓意胸怀宽广。");
    Text page = "<html><body><h1>" + gbk_from_utf8("名字释义") + "</h1>\r\n";
    for (int i = 0; i < paragraphs; ++i)
        page += "<p id=\"m" + std::to_string(i % 10) + "\">" + line + "<br />" + line + "<br /><b>" +
                gbk_from_utf8("吉") + "</b>" + line + line + "</p>\r\n";
    return page + "</body></html>\r\n";
}

// The program state and the in-memory toolkit with both fills bound, for the lifetime of one benchmark.
struct Toolkit {
    Toolkit() : scope(Platform{nullptr, nullptr, &windows, nullptr}) {
        release_program_state();
        create_state_objects();
        windows.on_created[WindowId::ResultWindow] = fill_result_list;
        windows.on_created[WindowId::MeaningWindow] = fill_meaning_text;
    }
    ~Toolkit() { release_program_state(); }
    FakeWindows windows;
    PlatformScope scope;
};

// Opens the window (its created handler fills it) and closes it again outside the timing.
void fill_and_close(benchmark::State& state, Toolkit& toolkit, WindowId window) {
    for (auto _ : state) {
        toolkit.windows.open_window(window);
        state.PauseTiming();
        toolkit.windows.close(window);
        state.ResumeTiming();
    }
}

// range(0) names; range(1) bytes per entry. 200 names is a realistic reply; 10,000 padded entries make a megabyte.
void BM_fill_result_list(benchmark::State& state) {
    Toolkit toolkit;
    program_state().result_page =
        name_list_page(static_cast<int>(state.range(0)), static_cast<std::size_t>(state.range(1)));
    fill_and_close(state, toolkit, WindowId::ResultWindow);
    state.counters["page_bytes"] = static_cast<double>(program_state().result_page.size());
    state.counters["rows"] = static_cast<double>(program_state().item_matches->size());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(program_state().result_page.size()));
    state.SetComplexityN(static_cast<std::int64_t>(program_state().result_page.size()));
}
BENCHMARK(BM_fill_result_list)
    ->Args({200, 104})
    ->Args({1250, 104})
    ->Args({2500, 104})
    ->Args({5000, 104})
    ->Args({10000, 104})
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

void BM_fill_meaning_text(benchmark::State& state) {
    Toolkit toolkit;
    program_state().meaning_page_list = meaning_page(static_cast<int>(state.range(0)));
    fill_and_close(state, toolkit, WindowId::MeaningWindow);
    state.counters["page_bytes"] = static_cast<double>(program_state().meaning_page_list.size());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(program_state().meaning_page_list.size()));
    state.SetComplexityN(static_cast<std::int64_t>(program_state().meaning_page_list.size()));
}
BENCHMARK(BM_fill_meaning_text)->Arg(8)->Arg(400)->Arg(3200)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// A megabyte after an unclosed link or paragraph, full of further unclosed ones: every start is tried to the end
// of the page until the engine's step limit ends the search.
void BM_search_gives_up(benchmark::State& state, const char* expression, Text page, const Text& unit) {
    while (page.size() < (1u << 20))
        page += unit;
    Pattern pattern;
    compile_pattern(pattern, expression);
    std::size_t found = 0;
    for (auto _ : state)
        found = search_all(pattern, page).size();
    state.counters["matches"] = static_cast<double>(found);
}
BENCHMARK_CAPTURE(BM_search_gives_up, item_megabyte_after_unclosed_link, item_expression,
                  "<ul><li><a target=\"_blank\">A</a></li><li><a target=\"_blank\">B", "<li><a target=\"_blank\">x</a>")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_search_gives_up, paragraph_megabyte_after_unclosed_paragraph, paragraph_expression,
                  "<p id=\"m1\">A</p><p id=\"m2\">B", "<p id=\"m3\">x")
    ->Unit(benchmark::kMillisecond);

} // namespace
