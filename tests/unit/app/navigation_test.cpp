#include <gtest/gtest.h>

#include "app/navigation.h"
#include "app/promotion.h"
#include "base/gbk.h"
#include "fake_tasks.h"
#include "fake_windows.h"
#include "platform/platform.h"
#include "query/query_handlers.h"
#include "recording_internet.h"
#include "recording_shell.h"

using namespace namer;

namespace {

const ControlName tabs = "选择夹1";

struct NavigationTest : ::testing::Test {
    FakeWindows windows;
    FakeTasks tasks;
    RecordingInternet net;
    RecordingShell shell;
    PlatformScope scope{Platform{&net, &tasks, &windows, &shell}};

    NavigationTest() {
        tasks.windows = &windows;
        windows.on_can_close[WindowId::MainWindow] = end_on_main_close;
        windows.on_destroyed[WindowId::MainWindow] = open_promotion_pages;
        windows.on_can_close[WindowId::ResultWindow] = back_from_results;
        windows.on_can_close[WindowId::MeaningWindow] = back_from_meaning;
        release_program_state();
        create_state_objects();
        windows.open_window(WindowId::MainWindow);
    }
    ~NavigationTest() override { release_program_state(); }

    // The current windows, after the pending destructions have been carried out.
    std::vector<WindowId> open_windows() {
        windows.process_pending_events();
        std::vector<WindowId> open;
        for (WindowId id : {WindowId::MainWindow, WindowId::ResultWindow, WindowId::MeaningWindow})
            if (windows.is_open(id))
                open.push_back(id);
        return open;
    }
    int main_page() { return windows.window(WindowId::MainWindow).pages[tabs]; }
    void reply_with(const Bytes& body) {
        net = RecordingInternet();
        net.body_chunks = {body};
    }
};

using W = WindowId;

} // namespace

TEST_F(NavigationTest, QueryThenCloseResultsReturnsToThePageOfTheQuery) {
    reply_with("<ul>...</ul>");
    query_five_elements();
    EXPECT_EQ(open_windows(), std::vector<W>{W::ResultWindow});
    windows.close(W::ResultWindow);
    EXPECT_EQ(open_windows(), std::vector<W>{W::MainWindow});
    EXPECT_EQ(main_page(), 2);
    EXPECT_EQ(windows.window(W::MainWindow).edits["编辑框_姓氏3"], ""); // a fresh window
}

TEST_F(NavigationTest, RowLookupsKeepReturnTabAndRebuildTheResults) {
    reply_with("list page");
    query_novel_names();
    open_windows();
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        reply_with("meaning");
        windows.log.clear();
        row_meaning_lookup();
        EXPECT_EQ(open_windows(), std::vector<W>{W::MeaningWindow});
        windows.close(W::MeaningWindow);
        EXPECT_EQ(open_windows(), std::vector<W>{W::ResultWindow});
        EXPECT_EQ(program_state().meaning_page_list, "");
        EXPECT_EQ(program_state().result_page, "list page");
        EXPECT_EQ(program_state().return_tab, 4);
    }
    windows.close(W::ResultWindow);
    EXPECT_EQ(open_windows(), std::vector<W>{W::MainWindow});
    EXPECT_EQ(main_page(), 4);
}

TEST_F(NavigationTest, MeaningQueryReturnsToTheMeaningPageAndEmptiesItsPage) {
    reply_with("<p id=\"m1\">x</p>");
    query_meaning();
    EXPECT_EQ(open_windows(), std::vector<W>{W::MeaningWindow});
    windows.close(W::MeaningWindow);
    EXPECT_EQ(open_windows(), std::vector<W>{W::MainWindow});
    EXPECT_EQ(main_page(), 5);
    EXPECT_EQ(program_state().meaning_page_main, "");
}

TEST_F(NavigationTest, EmptyExplanationReplyStillReturnsToWhereItWasAskedFor) {
    // The service is down: both explanation pages stay empty. Closing must not end the program.
    reply_with("");
    query_meaning();
    open_windows();
    windows.close(W::MeaningWindow);
    EXPECT_EQ(open_windows(), std::vector<W>{W::MainWindow});
    EXPECT_EQ(main_page(), 5);

    reply_with("<ul>list</ul>");
    query_free_naming();
    open_windows();
    reply_with("");
    row_meaning_lookup();
    open_windows();
    windows.close(W::MeaningWindow);
    EXPECT_EQ(open_windows(), std::vector<W>{W::ResultWindow});
}

TEST_F(NavigationTest, ClosingTheMainWindowEndsTheProgramWithoutPromotion) {
    try {
        windows.close(W::MainWindow);
        FAIL() << "end_program returned";
    } catch (const ProgramEnded& ended) {
        EXPECT_EQ(ended.exit_code, 0);
    }
    EXPECT_TRUE(shell.opened.empty());
}

TEST_F(NavigationTest, PromotionalPagesOpenOncePerQueryAfterTheNextWindowIsShown) {
    // The program is built without promotional pages: none is ever handed to the shell.
    query_nickname();
    open_windows();
    EXPECT_TRUE(shell.opened.empty());

    RecordingShell recording;
    open_addresses(recording, {"first.example", "second.example"});
    open_addresses(recording, {"", "only.example"});
    EXPECT_EQ(recording.opened, (std::vector<Text>{"first.example", "second.example", "only.example"}));
}

TEST_F(NavigationTest, PromotionRunsWhenTheMainWindowIsDestroyedByAQueryOnly) {
    int promotions = 0;
    windows.on_destroyed[W::MainWindow] = [&] { ++promotions; };
    query_reduplicated();
    EXPECT_EQ(promotions, 0); // not before the handler has returned
    open_windows();
    EXPECT_EQ(promotions, 1);
    windows.close(W::ResultWindow); // the way back opens none
    open_windows();
    EXPECT_EQ(promotions, 1);
}
