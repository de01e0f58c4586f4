// The credit hyperlink: what pressing it opens, and its colours.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/platform.h"
#include "platform/win32/toolkit.h"
#include "platform/win32/window_services_win32.h"
#include "win32_test_support.h"

namespace namer {
namespace {

constexpr COLORREF normal = RGB(0, 0, 255), hover = RGB(49, 106, 197), followed = RGB(128, 0, 0);

std::vector<WindowDefinition> with_link(const LinkTarget& target) {
    std::vector<WindowDefinition> definitions = window_definitions();
    for (WindowDefinition& w : definitions)
        for (ControlDefinition& c : w.controls)
            if (c.name == "BYTamsel") {
                c.link = target;
                c.caption = "www.tamsel.example";
            }
    return definitions;
}

TEST(Hyperlink, PressingOpensItsTargetAndOnlyThenTakesTheFollowedColour) {
    const struct {
        LinkTarget target;
        std::vector<Text> opened;
    } cases[] = {
        {{LinkKind::Web, "http://www.tamsel.example/", ""}, {"http://www.tamsel.example/"}},
        {{LinkKind::Web, "", "me@tamsel.example"}, {}},
        {{LinkKind::Email, "http://www.tamsel.example/", ""}, {}},
        {{LinkKind::Email, "", "me@tamsel.example"}, {"mailto:me@tamsel.example"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target.web_address + " " + c.target.email_address);
        RecordingShell shell;
        Platform installed;
        installed.shell = &shell;
        PlatformScope scope(installed);
        Win32WindowServices toolkit(HandlerTable(), with_link(c.target));
        toolkit.open_window(WindowId::MainWindow);
        HWND link = toolkit.control_handle(WindowId::MainWindow, "BYTamsel");
        EXPECT_EQ(hyperlink_text_colour(link), normal);
        EXPECT_TRUE(capture(link).contains(normal));

        PostMessageW(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(link, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        pump_messages();
        EXPECT_EQ(shell.opened, c.opened);
        const COLORREF after = c.opened.empty() ? normal : followed;
        EXPECT_EQ(hyperlink_text_colour(link), after);
        EXPECT_TRUE(capture(link).contains(after));
    }
}

TEST(Hyperlink, TakesTheHoverColourWhileThePointerIsOverIt) {
    Win32WindowServices toolkit(HandlerTable(), with_link({LinkKind::Web, "http://www.tamsel.example/", ""}));
    toolkit.open_window(WindowId::MainWindow);
    HWND link = toolkit.control_handle(WindowId::MainWindow, "BYTamsel");
    PostMessageW(link, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    pump_messages();
    EXPECT_EQ(hyperlink_text_colour(link), hover);
    EXPECT_TRUE(capture(link).contains(hover));
    PostMessageW(link, WM_MOUSELEAVE, 0, 0);
    pump_messages();
    EXPECT_EQ(hyperlink_text_colour(link), normal);
}

TEST(Hyperlink, PressingTheFrameAroundItRunsNothing) {
    RecordingShell shell;
    Platform installed;
    installed.shell = &shell;
    PlatformScope scope(installed);
    int handlers_run = 0;
    HandlerTable handlers;
    for (const EventBinding& b : window_definition(WindowId::MainWindow).bindings)
        handlers.bind(b.handler, [&] { ++handlers_run; });
    Win32WindowServices toolkit(handlers, with_link({LinkKind::Web, "http://www.tamsel.example/", ""}));
    toolkit.open_window(WindowId::MainWindow);
    handlers_run = 0;
    HWND frame = toolkit.control_handle(WindowId::MainWindow, "分组框2");
    post_click(frame, {3, 100});
    post_click(toolkit.window_handle(WindowId::MainWindow), {9, 150}); // on the frame's left edge
    pump_messages();
    EXPECT_EQ(handlers_run, 0);
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_TRUE(toolkit.is_open(WindowId::MainWindow));
}

} // namespace
} // namespace namer
