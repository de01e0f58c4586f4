// What the fake toolkit offers besides the rules it shares with the Win32 toolkit (toolkit_rules_test.cpp).
#include <gtest/gtest.h>

#include "base/gbk.h"
#include "fakes/fake_windows.h"
#include "ui/handler_names.h"

namespace namer {
namespace {

TEST(FakeWindows, PerWindowHandlersReplaceTheBoundOnes) {
    FakeWindows fake;
    std::vector<std::string> ran;
    fake.handlers.bind(handler_names::fill_result_list, [&] { ran.push_back("bound"); });
    fake.on_created[WindowId::ResultWindow] = [&] { ran.push_back("hook"); };
    fake.open_window(WindowId::ResultWindow);
    fake.on_created.erase(WindowId::ResultWindow);
    fake.destroy_window(WindowId::ResultWindow);
    fake.process_pending_events();
    fake.open_window(WindowId::ResultWindow);
    EXPECT_EQ(ran, (std::vector<std::string>{"hook", "bound"}));
    EXPECT_EQ(fake.log,
              (std::vector<std::string>{"open Result", "created Result", "show Result", "destroy-request Result",
                                        "destroyed Result", "open Result", "created Result", "show Result"}));
}

TEST(FakeWindows, EndProgramReleasesWindowsQuietlyAndRunsTheExitRoutineOnce) {
    FakeWindows fake;
    int exits = 0, destroyed = 0;
    fake.set_exit_routine([&] { ++exits; });
    fake.handlers.bind(handler_names::open_promotion_pages, [&] { ++destroyed; });
    fake.handlers.bind(handler_names::end_on_main_close, [&] { fake.end_program(0); });
    fake.open_window(WindowId::MainWindow);
    fake.open_window(WindowId::ResultWindow);
    try {
        fake.close(WindowId::MainWindow);
        FAIL() << "end_program returned";
    } catch (const ProgramEnded& ended) {
        EXPECT_EQ(ended.exit_code, 0);
    }
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(destroyed, 0);
    EXPECT_FALSE(fake.is_open(WindowId::MainWindow));
    EXPECT_FALSE(fake.is_open(WindowId::ResultWindow));
    EXPECT_THROW(fake.end_program(3), ProgramEnded);
    EXPECT_EQ(exits, 1) << "the exit routine is unregistered before it runs";
    EXPECT_EQ(fake.log.back(), "end 3");
}

TEST(FakeWindows, MessageLoopReportsAUserWhoWalkedAway) {
    FakeWindows fake;
    int exits = 0;
    fake.set_exit_routine([&] { ++exits; });
    fake.open_window(WindowId::MainWindow);
    EXPECT_EQ(fake.run_message_loop(), -1);
    EXPECT_EQ(exits, 0);
    EXPECT_TRUE(fake.is_open(WindowId::MainWindow));
}

TEST(FakeWindows, UserActionsReachOnlyVisibleControls) {
    FakeWindows fake;
    int clicks = 0;
    fake.handlers.bind(handler_names::query_meaning, [&] { ++clicks; });
    fake.open_window(WindowId::MainWindow);
    fake.click(WindowId::MainWindow, "按钮_查看解释"); // page 5 is not shown
    fake.type(WindowId::MainWindow, "编辑框_姓名", "x");
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(fake.edit_text(WindowId::MainWindow, "编辑框_姓名"), "");
    fake.choose_page(WindowId::MainWindow, control_names::main_tab, 5);
    fake.type(WindowId::MainWindow, "编辑框_姓名", gbk_from_utf8("王"));
    fake.click(WindowId::MainWindow, "按钮_查看解释");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(fake.edit_text(WindowId::MainWindow, "编辑框_姓名"), gbk_from_utf8("王"));
}

TEST(FakeWindows, RecordsTheSkinStyle) {
    FakeWindows fake;
    fake.set_control_skin(3);
    fake.set_control_skin(0);
    EXPECT_EQ(fake.skin_style, 0);
    EXPECT_EQ(fake.log, (std::vector<std::string>{"skin 3", "skin 0"}));
}

} // namespace
} // namespace namer
