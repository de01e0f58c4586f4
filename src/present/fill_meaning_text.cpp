#include "present/fill_meaning_text.h"

#include "platform/platform.h"
#include "present/pattern.h"
#include "present/replace_all.h"
#include "state/program_state.h"

namespace namer {
namespace {

const ControlName explanation_box = "编辑框_显示";
const Text line_break_tag = "<br />";
const Text line_break = "\r\n";
const Text separator_hyphens(45, '-');

} // namespace

void fill_meaning_text() {
    ProgramState& state = program_state();
    if (!state.paragraph_pattern)
        state.paragraph_pattern = std::make_unique<Pattern>();
    if (!state.paragraph_matches)
        state.paragraph_matches = std::make_unique<MatchList>();

    // A copy: the page and the matches must stay together even if a window message replaces the stored page
    // while the edit box is being filled.
    const Text page = !state.meaning_page_main.empty() ? state.meaning_page_main : state.meaning_page_list;
    compile_pattern(*state.paragraph_pattern, paragraph_expression);
    const MatchList matches = search_all(*state.paragraph_pattern, page);
    *state.paragraph_matches = matches;
    state.separator_line = separator_hyphens;
    WindowServices* windows = platform().windows;
    if (!windows)
        return;

    const Text separator = state.separator_line + line_break;
    for (const Match& match : matches) {
        const Text lines = replace_all(group_text(match, page, 1), line_break_tag, line_break);
        windows->append_to_edit_box(WindowId::MeaningWindow, explanation_box, replace_all(lines, "<", separator));
    }
    // Each paragraph was appended with the caret scrolled to it; the reader starts at the name, not the last section.
    windows->scroll_to_start(WindowId::MeaningWindow, explanation_box);
}

} // namespace namer
