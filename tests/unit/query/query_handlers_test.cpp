#include <gtest/gtest.h>

#include "base/gbk.h"
#include "fake_tasks.h"
#include "fake_windows.h"
#include "platform/platform.h"
#include "query/naming_service.h"
#include "query/query_handlers.h"
#include "recording_internet.h"

using namespace namer;

namespace {

using Window = FakeWindows::Window;
using Event = FakeTasks::Event;

// The option buttons that are checked when a MainWindow is built.
void initial_main_window(Window& w) {
    for (const char* name : {"单选框_男1", "单选框_二字名1", "单选框_100条1", "单选框_男2", "单选框_二字名2", "单选框_金",
                             "单选框_男女混合", "单选框_常见性", "单选框_100条2", "单选框_二字名3"})
        w.checked[name] = true;
}

// Checks one option button of a group and unchecks the others, as a click does.
void choose(Window& w, std::initializer_list<const char*> group, const char* chosen) {
    for (const char* name : group)
        w.checked[name] = false;
    w.checked[chosen] = true;
}

struct QueryTest : ::testing::Test {
    FakeWindows windows;
    FakeTasks tasks;
    RecordingInternet net;
    PlatformScope scope{Platform{&net, &tasks, &windows, nullptr}};

    QueryTest() {
        tasks.windows = &windows;
        windows.initial_state[WindowId::MainWindow] = initial_main_window;
        release_program_state();
        create_state_objects();
        windows.open_window(WindowId::MainWindow);
        windows.log.clear();
    }
    ~QueryTest() override { release_program_state(); }

    Window& main() { return windows.window(WindowId::MainWindow); }
};

} // namespace

TEST_F(QueryTest, EachModeSendsItsRequest) {
    const Text zhang = gbk_from_utf8("张");
    struct Case {
        const char* what;
        void (*handler)();
        std::function<void(Window&)> user;
        Text verb, path, body;
    } cases[] = {
        {"FreeNaming", query_free_naming, [&](Window& w) { w.edits["编辑框_姓氏1"] = zhang; }, "POST", "/showName.php",
         "xing=%D5%C5&gender=male&num=1&limit=100"},
        {"FreeNaming, other choices", query_free_naming,
         [&](Window& w) {
             choose(w, {"单选框_男1", "单选框_女1"}, "单选框_女1");
             choose(w, {"单选框_二字名1", "单选框_三字名1"}, "单选框_三字名1");
             choose(w, {"单选框_100条1", "单选框_200条1"}, "单选框_200条1");
         },
         "POST", "/showName.php", "xing=&gender=female&num=2&limit=200"},
        {"Reduplicated", query_reduplicated, [&](Window& w) { w.edits["编辑框_姓氏2"] = zhang; }, "POST",
         "/showDiezi.php", "xing=%D5%C5"},
        {"FiveElements", query_five_elements, [&](Window& w) { w.edits["编辑框_姓氏3"] = zhang; }, "POST",
         "/showWuxing.php", "xing=%D5%C5&gender=male&num=1&wuxing=1"},
        {"FiveElements with 土", query_five_elements,
         [&](Window& w) { choose(w, {"单选框_金", "单选框_木", "单选框_水", "单选框_火", "单选框_土"}, "单选框_土"); },
         "POST", "/showWuxing.php", "xing=&gender=male&num=1&wuxing=5"},
        {"Nickname reads nothing", query_nickname, [&](Window& w) { w.edits["编辑框_姓氏1"] = zhang; }, "GET",
         "/showXiaoming.php", ""},
        {"NovelNames", query_novel_names, [](Window&) {}, "POST", "/showXiaoshuo.php",
         "num=1&gender=mix&pinlv=1&limit=100"},
        {"NovelNames, mixed lengths", query_novel_names,
         [](Window& w) { choose(w, {"单选框_二字名3", "单选框_三字名3", "单选框_混合"}, "单选框_混合"); }, "POST",
         "/showXiaoshuo.php", "num=3&gender=mix&pinlv=1&limit=100"},
        {"NovelNames, apart and rare", query_novel_names,
         [](Window& w) {
             choose(w, {"单选框_男女混合", "单选框_男女分开"}, "单选框_男女分开");
             choose(w, {"单选框_常见性", "单选框_生僻姓"}, "单选框_生僻姓");
         },
         "POST", "/showXiaoshuo.php", "num=1&gender=part&pinlv=0&limit=100"},
        {"surname with separators stays one field", query_reduplicated,
         [](Window& w) { w.edits["编辑框_姓氏2"] = "a&b=c"; }, "POST", "/showDiezi.php", "xing=%61%26%62%3D%63"},
        {"Meaning", query_meaning, [](Window& w) { w.edits["编辑框_姓名"] = gbk_from_utf8("张三"); }, "GET",
         "/showMeaning.php?name=%D5%C5%C8%FD", ""},
        {"Meaning with an empty name", query_meaning, [](Window&) {}, "GET", "/showMeaning.php?name=", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        windows.open_window(WindowId::MainWindow);
        c.user(main());
        net = RecordingInternet();
        c.handler();
        EXPECT_EQ(net.verb, c.verb);
        EXPECT_EQ(net.path, c.path);
        EXPECT_EQ(net.body, c.body);
        EXPECT_EQ(net.sent_body, c.verb == "POST");
        EXPECT_EQ(net.headers.find("Referer: " + service_base + c.path + "\r\n") != Text::npos, true);
        windows.process_pending_events(); // the MainWindow is destroyed after the handler
    }
}

TEST_F(QueryTest, QueryStoresTheReplyAndHandsOverToTheResultWindow) {
    main().edits["编辑框_姓氏3"] = gbk_from_utf8("张");
    net.body_chunks = {Bytes("<ul>page</ul>\0tail", 18)};
    query_five_elements();

    ProgramState& s = program_state();
    EXPECT_EQ(s.surname_param, "%D5%C5");
    EXPECT_EQ(s.gender_param, "male");
    EXPECT_EQ(s.length_param, "1");
    EXPECT_EQ(s.element_param, "1");
    EXPECT_EQ(s.main_reply_bytes, Bytes("<ul>page</ul>\0tail", 18));
    EXPECT_EQ(s.result_page, "<ul>page</ul>");
    EXPECT_EQ(s.meaning_page_main, "");
    EXPECT_EQ(s.return_tab, 2);
    EXPECT_EQ(windows.log, (std::vector<std::string>{"open Result", "show Result", "destroy-request Main"}));
    EXPECT_TRUE(windows.is_open(WindowId::MainWindow)); // destroyed only when events are next processed
    windows.process_pending_events();
    EXPECT_FALSE(windows.is_open(WindowId::MainWindow));
}

TEST_F(QueryTest, MeaningQueryOpensTheMeaningWindow) {
    main().edits["编辑框_姓名"] = gbk_from_utf8("张三");
    net.body_chunks = {"<p id=\"m1\">x</p>"};
    query_meaning();
    EXPECT_EQ(program_state().meaning_page_main, "<p id=\"m1\">x</p>");
    EXPECT_EQ(program_state().result_page, "");
    EXPECT_EQ(program_state().return_tab, 5);
    EXPECT_EQ(program_state().meaning_opened_from, WindowId::MainWindow);
    EXPECT_TRUE(windows.is_open(WindowId::MeaningWindow));
}

TEST_F(QueryTest, TimeoutAndFailureStillOpenTheNextWindow) {
    tasks.script = {{Event::input, 0xFFFFFFFFu}};
    query_nickname();
    EXPECT_EQ(program_state().result_page, timeout_reply);
    EXPECT_TRUE(windows.is_open(WindowId::ResultWindow));

    windows.process_pending_events();
    windows.open_window(WindowId::MainWindow);
    net = RecordingInternet();
    net.fail_connect = true;
    query_free_naming();
    EXPECT_EQ(program_state().result_page, "");
    EXPECT_EQ(program_state().return_tab, 0);
}

TEST_F(QueryTest, LengthParamHoldsTheLastWriter) {
    choose(main(), {"单选框_二字名1", "单选框_三字名1"}, "单选框_三字名1");
    query_free_naming();
    EXPECT_EQ(program_state().length_param, "2");
    windows.process_pending_events();
    windows.open_window(WindowId::MainWindow);
    query_novel_names();
    EXPECT_EQ(program_state().length_param, "1");

    // with none of the three length buttons checked the variable keeps its value
    windows.process_pending_events();
    windows.open_window(WindowId::MainWindow);
    program_state().length_param = "2";
    for (const char* name : {"单选框_二字名3", "单选框_三字名3", "单选框_混合"})
        main().checked[name] = false;
    net = RecordingInternet();
    query_novel_names();
    EXPECT_EQ(net.body, "num=2&gender=mix&pinlv=1&limit=100");
}

TEST_F(QueryTest, SecondPressDuringTheWaitIsIgnored) {
    tasks.script = {{Event::input, 100}, {Event::worker_ends, 200}};
    bool busy_during_wait = false;
    tasks.on_pump = [&] {
        busy_during_wait = windows.busy;
        query_nickname();
    };
    query_free_naming();
    EXPECT_TRUE(busy_during_wait);
    EXPECT_FALSE(windows.busy);
    EXPECT_EQ(tasks.workers_started, 1);
    EXPECT_EQ(net.path, "/showName.php");
    EXPECT_EQ(program_state().return_tab, 0);
    EXPECT_FALSE(program_state().request_outstanding);
}

TEST_F(QueryTest, ReplyOfAClosedWindowIsDropped) {
    windows.open_window(WindowId::ResultWindow);
    program_state().result_page = "list";
    windows.window(WindowId::ResultWindow).lists["超级列表框1"].rows = {{"1", gbk_from_utf8("张三"), "zhang san "}};
    windows.window(WindowId::ResultWindow).lists["超级列表框1"].selected = 0;
    tasks.script = {{Event::input, 100}, {Event::worker_ends, 200}};
    net.body_chunks = {"late"};
    tasks.on_pump = [&] { windows.close(WindowId::ResultWindow); }; // the user closes the list meanwhile
    windows.log.clear();
    row_meaning_lookup();
    EXPECT_EQ(program_state().meaning_page_list, "");
    EXPECT_EQ(program_state().list_reply_bytes, "");
    EXPECT_FALSE(windows.is_open(WindowId::MeaningWindow));
    EXPECT_EQ(windows.log, (std::vector<std::string>{"destroyed Result"}));
}

TEST_F(QueryTest, RowLookupSendsTheRawNameOfTheSelectedRow) {
    struct Case {
        const char* what;
        int selected;
        Text path;
    } cases[] = {
        {"row 2 selected", 1, "/showMeaning.php?name=\xC0\xEE\xCB\xC4"}, // 李四
        {"nothing selected", -1, "/showMeaning.php?name="},
        {"a name holding a line break", 2, "/showMeaning.php?name=a%0D%0Ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        program_state().return_tab = 4;
        windows.open_window(WindowId::ResultWindow);
        auto& list = windows.window(WindowId::ResultWindow).lists["超级列表框1"];
        list.rows = {{"1", gbk_from_utf8("张三")}, {"2", gbk_from_utf8("李四")}, {"3", "a\r\nb"}};
        list.selected = c.selected;
        net = RecordingInternet();
        net.body_chunks = {"meaning"};
        windows.log.clear();
        row_meaning_lookup();
        EXPECT_EQ(net.verb, "GET");
        EXPECT_EQ(net.path, c.path);
        EXPECT_EQ(program_state().meaning_page_list, "meaning");
        EXPECT_EQ(program_state().meaning_page_main, "");
        EXPECT_EQ(program_state().return_tab, 4);
        EXPECT_EQ(program_state().meaning_opened_from, WindowId::ResultWindow);
        EXPECT_EQ(windows.log,
                  (std::vector<std::string>{"open Meaning", "show Meaning", "destroy-request Result"}));
        windows.process_pending_events();
        windows.close(WindowId::MeaningWindow);
    }
}
