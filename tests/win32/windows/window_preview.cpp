// Opens one of the program's windows with sample contents and keeps it on screen for a while, to look at it
// (screenshots under Xvfb). Not a test: window_preview <main|result|meaning> [page] [skin style] [seconds]
#include <windows.h>

#include <cstdlib>
#include <string>

#include "base/gbk.h"
#include "platform/win32/window_services_win32.h"
#include "ui/handler_names.h"

using namespace namer;

int main(int argc, char** argv) {
    const std::string which = argc > 1 ? argv[1] : "main";
    const int page = argc > 2 ? std::atoi(argv[2]) : 0;
    const int skin = argc > 3 ? std::atoi(argv[3]) : 3;
    const int seconds = argc > 4 ? std::atoi(argv[4]) : 5;
    const ControlName list = control_names::result_list;

    HandlerTable handlers;
    WindowServices* ws = nullptr;
    handlers.bind(handler_names::skin_main_window, [&] { ws->set_control_skin(skin); });
    handlers.bind(handler_names::fill_result_list, [&] {
        ws->set_control_skin(skin);
        ws->insert_column(WindowId::ResultWindow, list, "ID", 40);
        ws->insert_column(WindowId::ResultWindow, list, gbk_from_utf8("姓名"), 100);
        ws->insert_column(WindowId::ResultWindow, list, gbk_from_utf8("拼音"), 110);
        const char* names[][2] = {{"王思远", "wáng sī yuǎn"}, {"王雨桐", "wáng yǔ tóng"}, {"王浩然", "wáng hào rán"},
                                  {"王子涵", "wáng zǐ hán"},  {"王一诺", "wáng yī nuò"},  {"王梓萱", "wáng zǐ xuān"},
                                  {"王嘉懿", "wáng jiā yì"},  {"王俊熙", "wáng jùn xī"},  {"王欣怡", "wáng xīn yí"},
                                  {"王宇航", "wáng yǔ háng"}};
        for (int i = 0; i < 10; ++i) {
            const int row = ws->insert_row(WindowId::ResultWindow, list, std::to_string(i + 1));
            ws->set_cell(WindowId::ResultWindow, list, row, 1, gbk_from_utf8(names[i][0]));
            ws->set_cell(WindowId::ResultWindow, list, row, 2, gbk_from_utf8(names[i][1]));
        }
    });
    handlers.bind(handler_names::fill_meaning_text, [&] {
        ws->set_control_skin(skin);
        ws->append_to_edit_box(
            WindowId::MeaningWindow, control_names::meaning_box,
            gbk_from_utf8(
                "【思】思考，想念。\r\n\r\n------------------------------\r\n"
                "【远】距离长，与“近”相对。用于人名意指志向远大、目光长远，一个很长很长的句子不会折行。\r\n"));
    });
    Win32WindowServices toolkit(handlers);
    ws = &toolkit;
    if (which == "result")
        toolkit.open_window(WindowId::ResultWindow);
    else if (which == "meaning")
        toolkit.open_window(WindowId::MeaningWindow);
    else
        toolkit.open_window(WindowId::MainWindow);
    toolkit.set_current_page(WindowId::MainWindow, control_names::main_tab, page);
    SetTimer(nullptr, 0, static_cast<UINT>(seconds) * 1000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); });
    return toolkit.run_message_loop();
}
