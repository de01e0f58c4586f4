#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "app/program.h"
#include "base/gbk.h"
#include "loopback_server.h"
#include "platform/platform.h"
#include "platform/win32/backends.h"
#include "platform/win32/window_services_win32.h"
#include "query/naming_service.h"
#include "state/program_state.h"
#include "web/url_parts.h"
#include "win32_test_support.h"

using namespace namer;
using namer::test::LoopbackServer;
using namer::test::ReceivedRequest;
using namer::test::Response;

namespace {

using W = WindowId;
const ControlName tabs = "选择夹1";
const ControlName list = "超级列表框1";

// A naming service on the built-in address: two names for every list, an explanation for a named lookup and an
// empty body for a lookup without a name.
Response naming_service(const ReceivedRequest& request) {
    const std::string line = request.request_line();
    if (line.find("/showMeaning.php?name= ") != std::string::npos)
        return {LoopbackServer::reply("")};
    if (line.find("/showMeaning.php") != std::string::npos)
        return {LoopbackServer::reply("<p id=\"m1\">" + gbk_from_utf8("张三") + "<br />zhang san</p>")};
    return {LoopbackServer::reply("<ul><li><a href=\"1\" target=\"_blank\">" + gbk_from_utf8("张三") +
                                  "</a></li><li><a href=\"2\" target=\"_blank\">" + gbk_from_utf8("李四") +
                                  "</a></li></ul>")};
}

// The program as start_program builds it, minus the message loop: the test dispatches instead.
struct RunningProgram {
    std::unique_ptr<InternetApi> internet = make_wininet_api();
    std::unique_ptr<Tasks> tasks = make_win32_tasks();
    RecordingShell shell;
    Win32WindowServices toolkit{program_handlers()};
    PlatformScope scope{Platform{internet.get(), tasks.get(), &toolkit, &shell}};

    RunningProgram() {
        release_program_state();
        create_state_objects();
        toolkit.set_exit_routine(release_program_state);
        toolkit.open_window(W::MainWindow);
        pump_messages();
    }

    HWND control(W window, const ControlName& name) { return toolkit.control_handle(window, name); }
    void click(W window, const ControlName& button) {
        HWND hwnd = control(window, button);
        ASSERT_NE(hwnd, nullptr) << button;
        RECT r;
        GetClientRect(hwnd, &r);
        post_click(hwnd, {r.right / 2, r.bottom / 2});
        pump_messages();
    }
    void type(W window, const ControlName& edit, const std::string& utf8) {
        SetWindowTextW(control(window, edit), wide_from_utf8(utf8).c_str());
    }
    void press_escape(W window) {
        post_key(GetFocus() ? GetFocus() : toolkit.window_handle(window), VK_ESCAPE);
        pump_messages();
    }
    std::vector<W> open_windows() {
        pump_messages();
        std::vector<W> open;
        for (W id : {W::MainWindow, W::ResultWindow, W::MeaningWindow})
            if (toolkit.is_open(id) && IsWindowVisible(toolkit.window_handle(id)))
                open.push_back(id);
        return open;
    }
    int main_page() { return static_cast<int>(SendMessageW(control(W::MainWindow, tabs), TCM_GETCURSEL, 0, 0)); }
    int rows() { return static_cast<int>(SendMessageW(control(W::ResultWindow, list), LVM_GETITEMCOUNT, 0, 0)); }
};

} // namespace

TEST(ProgramOnWindows, QueryLookupAndTheWayBack) {
    LoopbackServer service(naming_service, port_from_url(service_base));
    RunningProgram program;
    ASSERT_EQ(program.open_windows(), std::vector<W>{W::MainWindow});

    program.toolkit.set_current_page(W::MainWindow, tabs, 2);
    program.type(W::MainWindow, "编辑框_姓氏3", "张");
    program.click(W::MainWindow, "按钮_五行起名");
    ASSERT_EQ(service.requests().size(), 1u);
    EXPECT_EQ(service.requests()[0].body, "xing=%D5%C5&gender=male&num=1&wuxing=1");
    ASSERT_EQ(program.open_windows(), std::vector<W>{W::ResultWindow});
    EXPECT_EQ(program.rows(), 2);
    EXPECT_EQ(program.toolkit.cell_text(W::ResultWindow, list, 1, 1), gbk_from_utf8("李四"));
    EXPECT_EQ(program.toolkit.cell_text(W::ResultWindow, list, 1, 2), "li si ");

    program.press_escape(W::ResultWindow);
    ASSERT_EQ(program.open_windows(), std::vector<W>{W::MainWindow});
    EXPECT_EQ(program.main_page(), 2);
    EXPECT_EQ(program.toolkit.edit_text(W::MainWindow, "编辑框_姓氏3"), "");

    program.click(W::MainWindow, "按钮_五行起名");
    ASSERT_EQ(program.open_windows(), std::vector<W>{W::ResultWindow});
    HWND names = program.control(W::ResultWindow, list);
    post_double_click(names, list_point(names, 0));
    pump_messages();
    ASSERT_EQ(program.open_windows(), std::vector<W>{W::MeaningWindow});
    EXPECT_EQ(service.requests().back().request_line(), "GET /showMeaning.php?name=\xD5\xC5\xC8\xFD HTTP/1.1");
    EXPECT_EQ(program.toolkit.edit_text(W::MeaningWindow, "编辑框_显示"),
              gbk_from_utf8("张三") + "\r\nzhang san---------------------------------------------\r\n");

    const std::size_t requests = service.requests().size();
    program.press_escape(W::MeaningWindow);
    ASSERT_EQ(program.open_windows(), std::vector<W>{W::ResultWindow});
    EXPECT_EQ(program.rows(), 2);
    EXPECT_EQ(service.requests().size(), requests); // rebuilt from the stored page

    program.press_escape(W::ResultWindow);
    ASSERT_EQ(program.open_windows(), std::vector<W>{W::MainWindow});
    EXPECT_EQ(program.main_page(), 2);
}

TEST(ProgramOnWindows, AnEmptyExplanationReturnsToTheMainWindow) {
    LoopbackServer service(naming_service, port_from_url(service_base));
    RunningProgram program;
    program.toolkit.set_current_page(W::MainWindow, tabs, 5);
    program.click(W::MainWindow, "按钮_查看解释");
    ASSERT_EQ(program.open_windows(), std::vector<W>{W::MeaningWindow});
    EXPECT_EQ(program.toolkit.edit_text(W::MeaningWindow, "编辑框_显示"), "");
    program.press_escape(W::MeaningWindow);
    ASSERT_EQ(program.open_windows(), std::vector<W>{W::MainWindow});
    EXPECT_EQ(program.main_page(), 5);
}

namespace {
void escape_on_the_main_window() {
    RunningProgram program;
    program.press_escape(W::MainWindow);
    std::fputs("still running\n", stderr);
}
} // namespace

TEST(ProgramOnWindowsDeathTest, EscOnTheMainWindowEndsWithExitCodeZero) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(escape_on_the_main_window(), ::testing::ExitedWithCode(0), "^$");
}
