#pragma once
#include <cstdint>
#include <memory>

#include "base/text.h"
#include "platform/window_services.h"
#include "present/pattern.h"

namespace namer {

// The program-wide values that outlive the windows. Every Text and Bytes starts empty; assigning one releases
// the value it held.
struct ProgramState {
    // Request values last sent (percent-encoded surname, fixed literals otherwise).
    Text surname_param;
    Text gender_param;
    Text length_param;
    Text limit_param;
    Text element_param;
    Text novel_gender_param;
    Text frequency_param;

    // Replies.
    Bytes main_reply_bytes;  // last request sent from the MainWindow
    Text result_page;        // name-list reply, as Text
    Text meaning_page_main;  // explanation asked for on the MainWindow
    Bytes list_reply_bytes;  // last row lookup
    Text meaning_page_list;  // explanation asked for from a row of the ResultWindow
    std::int32_t return_tab = 0;

    // Extraction.
    Text list_section;
    std::unique_ptr<Pattern> item_pattern;
    std::unique_ptr<MatchList> item_matches;
    std::unique_ptr<Pattern> paragraph_pattern;
    std::unique_ptr<MatchList> paragraph_matches;
    Text separator_line;

    // Where the open MeaningWindow was asked for, so that closing it returns there even after an empty reply.
    WindowId meaning_opened_from = WindowId::MainWindow;

    // True while a query or row lookup waits for its reply; a second one is not started meanwhile.
    bool request_outstanding = false;
};

ProgramState& program_state();

// Makes the pattern objects and empty match lists: item_pattern, item_matches, paragraph_pattern,
// paragraph_matches, in that order.
void create_state_objects();

// Releases every value of the program state, in a fixed order, and leaves it as at start.
void release_program_state();

} // namespace namer
