#include "present/fill_result_list.h"

#include <string>

#include "platform/platform.h"
#include "present/pattern.h"
#include "present/pinyin.h"
#include "present/text_between.h"
#include "state/program_state.h"

namespace namer {
namespace {

const ControlName result_list = "超级列表框1";

struct Column {
    const char* title;
    int width;
};
const Column columns[] = {
    {"ID", 35},
    {"\xD0\xD5\xC3\xFB", 70},  // 姓名
    {"\xC6\xB4\xD2\xF4", 125}, // 拼音
};

} // namespace

void fill_result_list() {
    ProgramState& state = program_state();
    if (!state.item_pattern)
        state.item_pattern = std::make_unique<Pattern>();
    if (!state.item_matches)
        state.item_matches = std::make_unique<MatchList>();
    WindowServices* windows = platform().windows;

    if (windows)
        for (const Column& column : columns)
            windows->insert_column(WindowId::ResultWindow, result_list, column.title, column.width);

    state.list_section = text_between(state.result_page, "<ul>", "</ul>");
    compile_pattern(*state.item_pattern, item_expression);
    // Copies: the section and the matches must stay together even if a window message replaces the stored ones
    // while the rows are being inserted.
    const Text section = state.list_section;
    const MatchList matches = search_all(*state.item_pattern, section);
    *state.item_matches = matches;
    if (!windows)
        return;

    for (std::size_t i = 0; i < matches.size(); ++i) {
        const int row = windows->insert_row(WindowId::ResultWindow, result_list, std::to_string(i + 1));
        if (row < 0)
            continue; // the control refused the row: its cells have nowhere to go
        const Text name = group_text(matches[i], section, 1);
        windows->set_cell(WindowId::ResultWindow, result_list, row, 1, name);
        windows->set_cell(WindowId::ResultWindow, result_list, row, 2, name_pinyin(name, true));
    }
}

} // namespace namer
