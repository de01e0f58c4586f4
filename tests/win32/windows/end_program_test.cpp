// end_program ends the process: run in a child process (a death test) and judged by its exit code and what it
// wrote.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "platform/win32/window_services_win32.h"
#include "ui/handler_names.h"
#include "win32_test_support.h"

namespace namer {
namespace {

// The MainWindow's close ends the program while the ResultWindow is open too.
void close_main_window_to_end(int exit_code) {
    HandlerTable handlers;
    Win32WindowServices* services = nullptr;
    handlers.bind(handler_names::end_on_main_close, [&] { services->end_program(exit_code); });
    handlers.bind(handler_names::open_promotion_pages, [] { std::fputs("will be destroyed\n", stderr); });
    Win32WindowServices toolkit(handlers);
    services = &toolkit;
    toolkit.set_exit_routine([&] {
        std::fputs(IsWindow(toolkit.window_handle(WindowId::ResultWindow)) ? "windows left\n" : "exit routine\n",
                   stderr);
        std::fflush(stderr);
    });
    toolkit.open_window(WindowId::MainWindow);
    toolkit.open_window(WindowId::ResultWindow);
    post_key(toolkit.window_handle(WindowId::MainWindow), VK_ESCAPE);
    pump_messages();
    std::fputs("end_program returned\n", stderr);
}

TEST(EndProgramDeathTest, ReleasesTheWindowsQuietlyRunsTheExitRoutineOnceAndEndsWithTheCode) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(close_main_window_to_end(0), ::testing::ExitedWithCode(0), "^exit routine\n$");
    EXPECT_EXIT(close_main_window_to_end(7), ::testing::ExitedWithCode(7), "^exit routine\n$");
}

} // namespace
} // namespace namer
