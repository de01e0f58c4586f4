#include "app/program.h"

#include "app/navigation.h"
#include "platform/platform.h"
#include "present/fill_meaning_text.h"
#include "present/fill_result_list.h"
#include "query/query_handlers.h"
#include "state/program_state.h"
#include "ui/handler_names.h"

namespace namer {

void skin_main_window() { platform().windows->set_control_skin(3); }

HandlerTable program_handlers(std::function<void()> before_request) {
    namespace n = handler_names;
    HandlerTable table;
    auto request = [before_request](void (*handler)()) -> Handler {
        if (!before_request)
            return handler;
        return [before_request, handler] {
            before_request();
            handler();
        };
    };
    table.bind(n::skin_main_window, skin_main_window);
    table.bind(n::end_on_main_close, end_on_main_close);
    table.bind(n::open_promotion_pages, open_promotion_pages);
    table.bind(n::back_from_results, back_from_results);
    table.bind(n::back_from_meaning, back_from_meaning);
    table.bind(n::fill_result_list, fill_result_list);
    table.bind(n::fill_meaning_text, fill_meaning_text);
    table.bind(n::row_meaning_lookup, request(row_meaning_lookup));
    table.bind(n::query_free_naming, request(query_free_naming));
    table.bind(n::query_reduplicated, request(query_reduplicated));
    table.bind(n::query_five_elements, request(query_five_elements));
    table.bind(n::query_nickname, request(query_nickname));
    table.bind(n::query_novel_names, request(query_novel_names));
    table.bind(n::query_meaning, request(query_meaning));
    return table;
}

int start_program(std::function<void()> at_exit) {
    WindowServices& windows = *platform().windows;
    create_state_objects();
    windows.set_exit_routine([at_exit = std::move(at_exit)] {
        release_program_state();
        if (at_exit)
            at_exit();
    });
    windows.open_window(WindowId::MainWindow);
    return windows.run_message_loop();
}

} // namespace namer
