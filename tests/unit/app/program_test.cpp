#include <gtest/gtest.h>

#include "app/program.h"
#include "base/gbk.h"
#include "fake_tasks.h"
#include "fake_windows.h"
#include "platform/platform.h"
#include "recording_internet.h"
#include "recording_shell.h"
#include "state/program_state.h"

using namespace namer;

namespace {

using W = WindowId;
const ControlName tabs = "选择夹1";
const ControlName list = "超级列表框1";

const Text list_page = "<ul><li><a href=\"x\" target=\"_blank\">" + gbk_from_utf8("张三") +
                       "</a></li><li><a href=\"y\" target=\"_blank\">" + gbk_from_utf8("李四") + "</a></li></ul>";
const Text meaning_page = "<p id=\"m1\">" + gbk_from_utf8("张三") + "<br />zhang san</p>";

// The whole program on the fake toolkit: the real handlers, bound by name through the window definitions.
struct ProgramTest : ::testing::Test {
    FakeWindows windows;
    FakeTasks tasks;
    RecordingInternet net;
    RecordingShell shell;
    PlatformScope scope{Platform{&net, &tasks, &windows, &shell}};

    ProgramTest() {
        tasks.windows = &windows;
        windows.handlers = program_handlers();
        release_program_state();
        EXPECT_EQ(start_program(), -1); // the loop returns at once: the test plays the user
    }
    ~ProgramTest() override { release_program_state(); }

    // What the service answers to the next request.
    void serve(const Bytes& body) {
        net = RecordingInternet();
        net.body_chunks = {body};
    }
    // Whether a request went out since the last serve().
    bool requested() const { return !net.calls.empty(); }
    std::vector<W> open_windows() {
        windows.process_pending_events();
        std::vector<W> open;
        for (W id : {W::MainWindow, W::ResultWindow, W::MeaningWindow})
            if (windows.is_open(id))
                open.push_back(id);
        return open;
    }
    int main_page() { return windows.window(W::MainWindow).pages[tabs]; }
    std::vector<std::vector<Text>> rows() { return windows.window(W::ResultWindow).lists[list].rows; }
};

} // namespace

TEST_F(ProgramTest, StartsOnPageZeroOfARestyledMainWindowWithoutPromotion) {
    EXPECT_EQ(open_windows(), std::vector<W>{W::MainWindow});
    EXPECT_EQ(main_page(), 0);
    EXPECT_EQ(windows.skin_style, 3);
    EXPECT_TRUE(shell.opened.empty());
    EXPECT_NE(program_state().item_pattern, nullptr);
    EXPECT_NE(program_state().paragraph_matches, nullptr);
}

TEST_F(ProgramTest, QueryFromPageTwoThenBackGivesAFreshMainWindowOnThatPage) {
    windows.choose_page(W::MainWindow, tabs, 2);
    windows.type(W::MainWindow, "编辑框_姓氏3", gbk_from_utf8("张"));
    windows.click(W::MainWindow, "单选框_土");
    serve(list_page);
    windows.click(W::MainWindow, "按钮_五行起名");
    EXPECT_EQ(net.body, "xing=%D5%C5&gender=male&num=1&wuxing=5");
    EXPECT_EQ(open_windows(), std::vector<W>{W::ResultWindow});
    ASSERT_EQ(rows().size(), 2u);
    EXPECT_EQ(rows()[1], (std::vector<Text>{"2", gbk_from_utf8("李四"), "li si "}));

    windows.close(W::ResultWindow);
    EXPECT_EQ(open_windows(), std::vector<W>{W::MainWindow});
    EXPECT_EQ(main_page(), 2);
    EXPECT_EQ(windows.edit_text(W::MainWindow, "编辑框_姓氏3"), "");
    EXPECT_TRUE(windows.is_checked(W::MainWindow, "单选框_金"));
    EXPECT_FALSE(windows.is_checked(W::MainWindow, "单选框_土"));
}

TEST_F(ProgramTest, RowLookupAndBackRebuildsTheListWithoutARequest) {
    serve(list_page);
    windows.click(W::MainWindow, "按钮_免费起名");
    open_windows();
    serve(meaning_page);
    windows.double_click(W::ResultWindow, list, 0);
    EXPECT_EQ(net.path, "/showMeaning.php?name=\xD5\xC5\xC8\xFD"); // 张三, raw
    EXPECT_EQ(open_windows(), std::vector<W>{W::MeaningWindow});
    EXPECT_EQ(windows.edit_text(W::MeaningWindow, "编辑框_显示"),
              gbk_from_utf8("张三") + "\r\nzhang san---------------------------------------------\r\n");

    serve("");
    windows.close(W::MeaningWindow);
    EXPECT_FALSE(requested());
    EXPECT_EQ(open_windows(), std::vector<W>{W::ResultWindow});
    EXPECT_EQ(rows().size(), 2u);
    EXPECT_EQ(windows.first_selected_row(W::ResultWindow, list), -1);

    windows.close(W::ResultWindow);
    EXPECT_EQ(open_windows(), std::vector<W>{W::MainWindow});
    EXPECT_EQ(main_page(), 0);
    EXPECT_EQ(program_state().return_tab, 0);
}

TEST_F(ProgramTest, MeaningPageQueryAndBack) {
    windows.choose_page(W::MainWindow, tabs, 5);
    windows.type(W::MainWindow, "编辑框_姓名", gbk_from_utf8("张三"));
    serve(meaning_page);
    windows.click(W::MainWindow, "按钮_查看解释");
    EXPECT_EQ(net.path, "/showMeaning.php?name=%D5%C5%C8%FD");
    EXPECT_EQ(open_windows(), std::vector<W>{W::MeaningWindow});
    windows.close(W::MeaningWindow);
    EXPECT_EQ(open_windows(), std::vector<W>{W::MainWindow});
    EXPECT_EQ(main_page(), 5);
    EXPECT_EQ(program_state().meaning_page_main, "");
}

TEST_F(ProgramTest, EmptyExplanationsReturnWhereTheyWereAskedFor) {
    windows.choose_page(W::MainWindow, tabs, 5);
    serve("");
    windows.click(W::MainWindow, "按钮_查看解释");
    EXPECT_EQ(open_windows(), std::vector<W>{W::MeaningWindow});
    windows.close(W::MeaningWindow);
    EXPECT_EQ(open_windows(), std::vector<W>{W::MainWindow});
    EXPECT_EQ(main_page(), 5);

    windows.choose_page(W::MainWindow, tabs, 0);
    serve(list_page);
    windows.click(W::MainWindow, "按钮_免费起名");
    open_windows();
    serve("");
    windows.double_click(W::ResultWindow, list, 5); // below the last row: no row selected
    EXPECT_EQ(net.path, "/showMeaning.php?name=");
    EXPECT_EQ(open_windows(), std::vector<W>{W::MeaningWindow});
    windows.close(W::MeaningWindow);
    EXPECT_EQ(open_windows(), std::vector<W>{W::ResultWindow});
}

TEST_F(ProgramTest, ClosingTheMainWindowEndsWithZeroAndReleasesTheState) {
    serve(list_page);
    windows.click(W::MainWindow, "按钮_小名起名");
    open_windows();
    windows.close(W::ResultWindow);
    open_windows();
    try {
        windows.close(W::MainWindow);
        FAIL() << "the program did not end";
    } catch (const ProgramEnded& ended) {
        EXPECT_EQ(ended.exit_code, 0);
    }
    EXPECT_EQ(program_state().result_page, "");
    EXPECT_EQ(program_state().item_pattern, nullptr);
    EXPECT_TRUE(shell.opened.empty()); // built without promotional pages
}

TEST_F(ProgramTest, ClosingTheMainWindowDuringARequestEndsAtOnce) {
    tasks.script = {{FakeTasks::Event::input, 100}, {FakeTasks::Event::worker_ends, 200}};
    tasks.on_pump = [&] { windows.close(W::MainWindow); };
    EXPECT_THROW(windows.click(W::MainWindow, "按钮_免费起名"), ProgramEnded);
    EXPECT_FALSE(windows.is_open(W::ResultWindow));
}

TEST(ProgramHandlers, TheHookRunsBeforeEveryRequestAndNothingElse) {
    int hooks = 0;
    const HandlerTable table = program_handlers([&] { ++hooks; });
    FakeWindows windows;
    FakeTasks tasks;
    RecordingInternet net;
    PlatformScope scope{Platform{&net, &tasks, &windows, nullptr}};
    release_program_state();
    create_state_objects();
    windows.open_window(W::MainWindow);
    windows.open_window(W::ResultWindow);
    for (const char* name : {"query_free_naming", "query_reduplicated", "query_five_elements", "query_nickname",
                             "query_novel_names", "query_meaning", "row_meaning_lookup"}) {
        SCOPED_TRACE(name);
        const int before = hooks;
        const std::size_t calls = net.calls.size();
        table.run(name);
        EXPECT_EQ(hooks, before + 1);
        EXPECT_GT(net.calls.size(), calls);
        windows.open_window(W::MainWindow);
        windows.open_window(W::ResultWindow);
    }
    table.run("skin_main_window");
    table.run("fill_result_list");
    EXPECT_EQ(hooks, 7);
    release_program_state();
}
