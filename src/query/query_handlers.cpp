#include "query/query_handlers.h"

#include "platform/platform.h"
#include "query/naming_service.h"
#include "query/percent_encode.h"

namespace namer {
namespace {

const ControlName result_list = "超级列表框1";

// Marks a request as outstanding, with the busy cursor, for the lifetime of the object.
class OutstandingRequest {
public:
    OutstandingRequest() {
        program_state().request_outstanding = true;
        platform().windows->set_busy(true);
    }
    ~OutstandingRequest() {
        program_state().request_outstanding = false;
        platform().windows->set_busy(false);
    }
    OutstandingRequest(const OutstandingRequest&) = delete;
    OutstandingRequest& operator=(const OutstandingRequest&) = delete;
};

// The window a handler started from is still the current one: open and not on its way out.
bool still_current(WindowId window) {
    WindowServices& windows = *platform().windows;
    return windows.is_open(window) && !windows.is_destruction_pending(window);
}

} // namespace

void run_query(QueryMode mode) {
    ProgramState& state = program_state();
    if (state.request_outstanding)
        return;
    OutstandingRequest outstanding;
    const WebRequest request = compose_request(mode);
    if (!still_current(WindowId::MainWindow))
        return; // closed while the name was being encoded
    const Bytes reply = web_access(request);
    if (!still_current(WindowId::MainWindow))
        return; // the user went elsewhere during the wait: the late reply opens nothing

    state.main_reply_bytes = reply;
    const QueryModeInfo& info = query_mode_info(mode);
    if (mode == QueryMode::Meaning) {
        state.meaning_page_main = text_from_bytes(state.main_reply_bytes);
        state.meaning_opened_from = WindowId::MainWindow;
    } else {
        state.result_page = text_from_bytes(state.main_reply_bytes);
    }
    WindowServices& windows = *platform().windows;
    windows.open_window(info.next_window);
    windows.destroy_window(WindowId::MainWindow);
    state.return_tab = static_cast<int>(mode);
}

void query_free_naming() { run_query(QueryMode::FreeNaming); }
void query_reduplicated() { run_query(QueryMode::Reduplicated); }
void query_five_elements() { run_query(QueryMode::FiveElements); }
void query_nickname() { run_query(QueryMode::Nickname); }
void query_novel_names() { run_query(QueryMode::NovelNames); }
void query_meaning() { run_query(QueryMode::Meaning); }

void row_meaning_lookup() {
    ProgramState& state = program_state();
    if (state.request_outstanding)
        return;
    OutstandingRequest outstanding;
    WindowServices& windows = *platform().windows;
    const int row = windows.first_selected_row(WindowId::ResultWindow, result_list);
    const Text name = windows.cell_text(WindowId::ResultWindow, result_list, row, 1);
    WebRequest request;
    request.url = service_base + service_path::meaning + escape_request_target(name);
    const Bytes reply = web_access(request);
    if (!still_current(WindowId::ResultWindow))
        return;

    state.list_reply_bytes = reply;
    state.meaning_page_list = text_from_bytes(state.list_reply_bytes);
    state.meaning_opened_from = WindowId::ResultWindow;
    windows.open_window(WindowId::MeaningWindow);
    windows.destroy_window(WindowId::ResultWindow);
}

} // namespace namer
