#include "state/program_state.h"

namespace namer {

ProgramState& program_state() {
    static ProgramState state;
    return state;
}

void create_state_objects() {
    ProgramState& s = program_state();
    s.item_pattern = std::make_unique<Pattern>();
    s.item_matches = std::make_unique<MatchList>();
    s.paragraph_pattern = std::make_unique<Pattern>();
    s.paragraph_matches = std::make_unique<MatchList>();
}

void release_program_state() {
    ProgramState& s = program_state();
    s.main_reply_bytes = Bytes();
    s.result_page = Text();
    s.meaning_page_main = Text();
    s.meaning_page_list = Text();
    s.surname_param = Text();
    s.gender_param = Text();
    s.length_param = Text();
    s.limit_param = Text();
    s.element_param = Text();
    s.list_reply_bytes = Bytes();
    s.list_section = Text();
    s.item_pattern.reset();
    s.item_matches.reset();
    s.paragraph_pattern.reset();
    s.paragraph_matches.reset();
    s.separator_line = Text();
    s.novel_gender_param = Text();
    s.frequency_param = Text();
    s.return_tab = 0;
    s.meaning_opened_from = WindowId::MainWindow;
    s.request_outstanding = false;
}

} // namespace namer
