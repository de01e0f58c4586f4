#include "app/navigation.h"

#include "app/promotion.h"
#include "platform/platform.h"
#include "state/program_state.h"

namespace namer {
namespace {

const ControlName main_tabs = "选择夹1";

void return_to_main_window(WindowId leaving) {
    WindowServices& windows = *platform().windows;
    windows.open_window(WindowId::MainWindow);
    windows.destroy_window(leaving);
    windows.set_current_page(WindowId::MainWindow, main_tabs, program_state().return_tab);
}

} // namespace

void end_on_main_close() { platform().windows->end_program(0); }

void open_promotion_pages() {
    if (Shell* shell = platform().shell)
        open_addresses(*shell, promotion_addresses());
}

void back_from_results() { return_to_main_window(WindowId::ResultWindow); }

void back_from_meaning() {
    ProgramState& state = program_state();
    // Decided by where the window was opened from, not by which page is non-empty: an empty explanation reply
    // must not leave the program without a window.
    if (state.meaning_opened_from == WindowId::MainWindow) {
        WindowServices& windows = *platform().windows;
        windows.open_window(WindowId::MainWindow);
        windows.destroy_window(WindowId::MeaningWindow);
        state.meaning_page_main = Text();
        windows.set_current_page(WindowId::MainWindow, main_tabs, state.return_tab);
    } else {
        WindowServices& windows = *platform().windows;
        windows.open_window(WindowId::ResultWindow);
        windows.destroy_window(WindowId::MeaningWindow);
    }
    state.meaning_page_list = Text();
}

} // namespace namer
