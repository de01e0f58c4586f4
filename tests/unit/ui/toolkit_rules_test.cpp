// The rules every window toolkit of the program keeps, run against the in-memory fake (natively) and against the
// Win32 toolkit (under Wine): both read the same window definitions and must behave alike.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "base/gbk.h"
#include "toolkit_driver.h"
#include "ui/handler_names.h"
#include "ui/window_definition.h"

namespace namer {
namespace {

namespace names = handler_names;
const ControlName tab = control_names::main_tab;
const ControlName list = control_names::result_list;
const ControlName meaning_box = control_names::meaning_box;

const char* const all_handlers[] = {
    names::skin_main_window,  names::end_on_main_close,  names::open_promotion_pages, names::back_from_results,
    names::back_from_meaning, names::fill_result_list,   names::fill_meaning_text,    names::row_meaning_lookup,
    names::query_free_naming, names::query_reduplicated, names::query_five_elements,  names::query_nickname,
    names::query_novel_names, names::query_meaning,
};

// The option buttons checked in a new MainWindow.
const std::set<ControlName> initially_checked = {
    "单选框_男1", "单选框_二字名1", "单选框_100条1",   "单选框_男2",    "单选框_二字名2",
    "单选框_金",  "单选框_二字名3", "单选框_男女混合", "单选框_常见性", "单选框_100条2",
};

// Every handler records its name when it runs; a test adds what a handler does besides.
class ToolkitRules : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : all_handlers)
            on(name, nullptr);
    }

    void on(const std::string& name, std::function<void()> also) {
        handlers.bind(name, [this, name, also] {
            calls.push_back(name);
            if (also)
                also();
        });
    }

    WindowServices& start() {
        driver = make_toolkit_driver(handlers);
        return driver->services();
    }

    std::vector<ControlName> main_controls() const {
        std::vector<ControlName> names;
        for (const ControlDefinition& c : window_definition(WindowId::MainWindow).controls)
            names.push_back(c.name);
        return names;
    }

    // The page a control of the MainWindow lies on, -1 for those outside the tab control.
    static int page_of(const ControlName& name) {
        const WindowDefinition& w = window_definition(WindowId::MainWindow);
        int page = -1;
        return w.page_owner(*w.find(name), &page) ? page : -1;
    }

    void expect_only_page_visible(int page) {
        for (const ControlName& name : main_controls()) {
            SCOPED_TRACE(name);
            const int on = page_of(name);
            EXPECT_EQ(driver->is_visible(WindowId::MainWindow, name), on < 0 || on == page);
        }
    }

    HandlerTable handlers;
    std::vector<std::string> calls;
    std::unique_ptr<ToolkitDriver> driver;
};

TEST_F(ToolkitRules, NewMainWindowStartsOnPageZeroWithTheDefinedChoices) {
    bool visible_while_created = true;
    on(names::skin_main_window, [&] { visible_while_created = driver->is_window_visible(WindowId::MainWindow); });
    WindowServices& ws = start();
    ws.open_window(WindowId::MainWindow);

    EXPECT_FALSE(visible_while_created) << "the created event runs before the window is shown";
    EXPECT_TRUE(driver->is_window_visible(WindowId::MainWindow));
    EXPECT_EQ(calls, std::vector<std::string>{names::skin_main_window});
    EXPECT_EQ(driver->current_page(WindowId::MainWindow, tab), 0);
    for (const ControlDefinition& c : window_definition(WindowId::MainWindow).controls) {
        if (c.kind == ControlKind::OptionButton) {
            SCOPED_TRACE(c.name);
            EXPECT_EQ(ws.is_checked(WindowId::MainWindow, c.name), initially_checked.count(c.name) == 1);
        }
        if (c.kind == ControlKind::EditBox) {
            EXPECT_EQ(ws.edit_text(WindowId::MainWindow, c.name), "") << c.name;
        }
    }
    expect_only_page_visible(0);
}

TEST_F(ToolkitRules, OnlyTheControlsOfTheChosenPageAreVisible) {
    start().open_window(WindowId::MainWindow);
    for (int page : {1, 2, 3, 4, 5, 0}) {
        SCOPED_TRACE("page " + std::to_string(page));
        driver->choose_page(WindowId::MainWindow, tab, page);
        EXPECT_EQ(driver->current_page(WindowId::MainWindow, tab), page);
        expect_only_page_visible(page);
    }
    driver->choose_page(WindowId::MainWindow, tab, 3);
    std::set<ControlName> shown_on_page;
    for (const ControlName& name : main_controls())
        if (page_of(name) >= 0 && driver->is_visible(WindowId::MainWindow, name))
            shown_on_page.insert(name);
    EXPECT_EQ(shown_on_page, (std::set<ControlName>{"标签22", "标签21", "按钮_小名起名"}));
    EXPECT_EQ(calls, std::vector<std::string>{names::skin_main_window}) << "changing the page runs no program code";
}

TEST_F(ToolkitRules, OptionGroupsAreExclusiveAndIndependent) {
    struct Case {
        int page;
        ControlName click;
        std::vector<ControlName> checked;
        std::vector<ControlName> unchecked;
    };
    const Case cases[] = {
        {2,
         "单选框_土",
         {"单选框_土", "单选框_男2", "单选框_二字名2"},
         {"单选框_金", "单选框_木", "单选框_水", "单选框_火"}},
        {0, "单选框_女1", {"单选框_女1", "单选框_二字名1", "单选框_100条1", "单选框_男2"}, {"单选框_男1"}},
        {0, "单选框_男1", {"单选框_男1"}, {"单选框_女1"}}, // already checked: stays checked
        {4, "单选框_混合", {"单选框_混合", "单选框_男女混合", "单选框_常见性"}, {"单选框_二字名3", "单选框_三字名3"}},
        {4, "单选框_生僻姓", {"单选框_生僻姓", "单选框_二字名3", "单选框_100条2"}, {"单选框_常见性"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.click);
        WindowServices& ws = start();
        ws.open_window(WindowId::MainWindow);
        driver->choose_page(WindowId::MainWindow, tab, c.page);
        driver->click(WindowId::MainWindow, c.click);
        for (const ControlName& name : c.checked)
            EXPECT_TRUE(ws.is_checked(WindowId::MainWindow, name)) << name;
        for (const ControlName& name : c.unchecked)
            EXPECT_FALSE(ws.is_checked(WindowId::MainWindow, name)) << name;
    }
}

TEST_F(ToolkitRules, TypedTextSurvivesAPageSwitchButNotANewWindow) {
    WindowServices& ws = start();
    ws.open_window(WindowId::MainWindow);
    const Text surname = gbk_from_utf8("欧阳");
    driver->type(WindowId::MainWindow, "编辑框_姓氏1", surname);
    driver->choose_page(WindowId::MainWindow, tab, 2);
    driver->type(WindowId::MainWindow, "编辑框_姓氏3", gbk_from_utf8("张"));
    driver->choose_page(WindowId::MainWindow, tab, 0);
    EXPECT_EQ(ws.edit_text(WindowId::MainWindow, "编辑框_姓氏1"), surname);
    EXPECT_EQ(ws.edit_text(WindowId::MainWindow, "编辑框_姓氏3"), gbk_from_utf8("张"));

    ws.destroy_window(WindowId::MainWindow);
    ws.process_pending_events();
    ws.open_window(WindowId::MainWindow);
    EXPECT_EQ(ws.edit_text(WindowId::MainWindow, "编辑框_姓氏1"), "");
}

TEST_F(ToolkitRules, SetCurrentPageClampsTheIndexAndRunsNoCode) {
    const struct {
        int index;
        int page;
    } cases[] = {{7, 5}, {-1, 0}, {3, 3}, {6, 5}, {5, 5}, {0, 0}, {INT_MAX, 5}, {INT_MIN, 0}};
    WindowServices& ws = start();
    ws.open_window(WindowId::MainWindow);
    for (const auto& c : cases) {
        SCOPED_TRACE("index " + std::to_string(c.index));
        ws.set_current_page(WindowId::MainWindow, tab, c.index);
        EXPECT_EQ(driver->current_page(WindowId::MainWindow, tab), c.page);
        expect_only_page_visible(c.page);
    }
    EXPECT_EQ(calls, std::vector<std::string>{names::skin_main_window});
}

TEST_F(ToolkitRules, EscapeClosesEachWindowAsTheCloseButtonDoes) {
    const struct {
        WindowId window;
        ControlName focus;
        std::vector<std::string> handlers; // created, can be closed, will be destroyed
    } cases[] = {
        {WindowId::MainWindow,
         "编辑框_姓氏1",
         {names::skin_main_window, names::end_on_main_close, names::open_promotion_pages}},
        {WindowId::MainWindow,
         "按钮_免费起名",
         {names::skin_main_window, names::end_on_main_close, names::open_promotion_pages}},
        {WindowId::ResultWindow, list, {names::fill_result_list, names::back_from_results}},
        {WindowId::MeaningWindow, meaning_box, {names::fill_meaning_text, names::back_from_meaning}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.focus);
        calls.clear();
        WindowServices& ws = start();
        ws.open_window(c.window);
        driver->press_escape(c.window, c.focus);
        EXPECT_EQ(calls, c.handlers);
        EXPECT_FALSE(ws.is_open(c.window));
        EXPECT_EQ(driver->instances(c.window), 0);
    }
}

TEST_F(ToolkitRules, RequestedDestructionWaitsUntilTheHandlerHasReturned) {
    bool open_after_request = false, pending_after_request = false;
    on(names::query_free_naming, [&] {
        WindowServices& ws = driver->services();
        ws.destroy_window(WindowId::MainWindow);
        open_after_request = ws.is_open(WindowId::MainWindow) && driver->is_window_visible(WindowId::MainWindow);
        pending_after_request = ws.is_destruction_pending(WindowId::MainWindow);
        calls.push_back("handler returns");
    });
    WindowServices& ws = start();
    ws.open_window(WindowId::MainWindow);
    driver->click(WindowId::MainWindow, "按钮_免费起名");

    EXPECT_TRUE(open_after_request);
    EXPECT_TRUE(pending_after_request);
    EXPECT_EQ(calls, (std::vector<std::string>{names::skin_main_window, names::query_free_naming, "handler returns",
                                               names::open_promotion_pages}));
    EXPECT_FALSE(ws.is_open(WindowId::MainWindow));
    EXPECT_FALSE(ws.is_destruction_pending(WindowId::MainWindow));
}

TEST_F(ToolkitRules, AHandlerThatLetsEventsBeProcessedSeesTheDestructionCarriedOut) {
    bool open_after_wait = true;
    on(names::query_nickname, [&] {
        WindowServices& ws = driver->services();
        ws.open_window(WindowId::ResultWindow);
        ws.destroy_window(WindowId::MainWindow);
        ws.process_pending_events(); // as the wait of a request does
        open_after_wait = ws.is_open(WindowId::MainWindow);
    });
    WindowServices& ws = start();
    ws.open_window(WindowId::MainWindow);
    driver->choose_page(WindowId::MainWindow, tab, 3);
    driver->click(WindowId::MainWindow, "按钮_小名起名");
    EXPECT_FALSE(open_after_wait);
    EXPECT_TRUE(ws.is_open(WindowId::ResultWindow));
    EXPECT_EQ(calls, (std::vector<std::string>{names::skin_main_window, names::query_nickname, names::fill_result_list,
                                               names::open_promotion_pages}));
}

TEST_F(ToolkitRules, OpeningAnOpenWindowOnlyActivatesIt) {
    WindowServices& ws = start();
    ws.open_window(WindowId::MainWindow);
    driver->type(WindowId::MainWindow, "编辑框_姓氏1", gbk_from_utf8("李"));
    ws.open_window(WindowId::MainWindow);
    EXPECT_EQ(calls, std::vector<std::string>{names::skin_main_window});
    EXPECT_EQ(driver->instances(WindowId::MainWindow), 1);
    EXPECT_EQ(ws.edit_text(WindowId::MainWindow, "编辑框_姓氏1"), gbk_from_utf8("李"));
}

TEST_F(ToolkitRules, OpeningAWindowPendingDestructionBuildsItAnew) {
    WindowServices& ws = start();
    ws.open_window(WindowId::MainWindow);
    driver->type(WindowId::MainWindow, "编辑框_姓氏1", gbk_from_utf8("李"));
    ws.destroy_window(WindowId::MainWindow);
    ws.open_window(WindowId::MainWindow);
    EXPECT_EQ(calls, (std::vector<std::string>{names::skin_main_window, names::open_promotion_pages,
                                               names::skin_main_window}));
    EXPECT_FALSE(ws.is_destruction_pending(WindowId::MainWindow));
    EXPECT_EQ(ws.edit_text(WindowId::MainWindow, "编辑框_姓氏1"), "");

    ws.process_pending_events(); // the old request finds its window gone
    EXPECT_TRUE(ws.is_open(WindowId::MainWindow));
    EXPECT_EQ(driver->instances(WindowId::MainWindow), 1);
    EXPECT_EQ(calls.size(), 3u);
}

TEST_F(ToolkitRules, ClosingDestroysAtOnceWhetherOrNotTheHandlerAskedForIt) {
    on(names::back_from_results, [&] {
        WindowServices& ws = driver->services();
        ws.open_window(WindowId::MainWindow);
        ws.destroy_window(WindowId::ResultWindow);
        ws.set_current_page(WindowId::MainWindow, tab, 2);
    });
    WindowServices& ws = start();
    ws.open_window(WindowId::ResultWindow);
    driver->press_escape(WindowId::ResultWindow, list);
    EXPECT_FALSE(ws.is_open(WindowId::ResultWindow));
    EXPECT_TRUE(ws.is_open(WindowId::MainWindow));
    EXPECT_EQ(driver->current_page(WindowId::MainWindow, tab), 2);
    EXPECT_EQ(calls,
              (std::vector<std::string>{names::fill_result_list, names::back_from_results, names::skin_main_window}));
}

TEST_F(ToolkitRules, EachQueryButtonRunsTheHandlerBoundToItsName) {
    const struct {
        int page;
        ControlName button;
        std::string handler;
    } cases[] = {
        {0, "按钮_免费起名", names::query_free_naming},   {1, "按钮_叠字起名", names::query_reduplicated},
        {2, "按钮_五行起名", names::query_five_elements}, {3, "按钮_小名起名", names::query_nickname},
        {4, "按钮_小说姓名", names::query_novel_names},   {5, "按钮_查看解释", names::query_meaning},
    };
    WindowServices& ws = start();
    ws.open_window(WindowId::MainWindow);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        calls.clear();
        driver->choose_page(WindowId::MainWindow, tab, c.page);
        driver->click(WindowId::MainWindow, c.button);
        EXPECT_EQ(calls, std::vector<std::string>{c.handler});
    }
}

TEST_F(ToolkitRules, UnboundNamesRunNothing) {
    handlers = HandlerTable();
    WindowServices& ws = start();
    ws.open_window(WindowId::MainWindow);
    driver->click(WindowId::MainWindow, "按钮_免费起名");
    EXPECT_TRUE(ws.is_open(WindowId::MainWindow));
    driver->press_escape(WindowId::MainWindow, "编辑框_姓氏1");
    EXPECT_FALSE(ws.is_open(WindowId::MainWindow)) << "with no handler to ask, closing destroys the window";
}

// The ResultWindow filled by its created handler as the program fills it: three columns, one row per name.
class ResultList : public ToolkitRules {
protected:
    void SetUp() override {
        ToolkitRules::SetUp();
        on(names::fill_result_list, [this] {
            WindowServices& ws = driver->services();
            ws.insert_column(WindowId::ResultWindow, list, "ID", 40);
            ws.insert_column(WindowId::ResultWindow, list, gbk_from_utf8("姓名"), 100);
            ws.insert_column(WindowId::ResultWindow, list, gbk_from_utf8("拼音"), 110);
            for (const char* name : {"王小明", "王晓红"}) {
                const int row = ws.insert_row(WindowId::ResultWindow, list, std::to_string(rows.size() + 1));
                ws.set_cell(WindowId::ResultWindow, list, row, 1, gbk_from_utf8(name));
                rows.push_back(row);
            }
            ws.set_cell(WindowId::ResultWindow, list, 0, 2, gbk_from_utf8("wáng xiǎo míng "));
        });
        on(names::row_meaning_lookup, [this] {
            WindowServices& ws = driver->services();
            const int row = ws.first_selected_row(WindowId::ResultWindow, list);
            looked_up.emplace_back(row, ws.cell_text(WindowId::ResultWindow, list, row, 1));
        });
    }
    std::vector<int> rows;
    std::vector<std::pair<int, Text>> looked_up;
};

TEST_F(ResultList, CellsReadBackAsWrittenAndEmptyOutsideTheRows) {
    WindowServices& ws = start();
    ws.open_window(WindowId::ResultWindow);
    EXPECT_EQ(rows, (std::vector<int>{0, 1}));
    EXPECT_EQ(ws.first_selected_row(WindowId::ResultWindow, list), -1);
    EXPECT_EQ(ws.cell_text(WindowId::ResultWindow, list, 0, 0), "1");
    EXPECT_EQ(ws.cell_text(WindowId::ResultWindow, list, 1, 1), gbk_from_utf8("王晓红"));
    EXPECT_EQ(ws.cell_text(WindowId::ResultWindow, list, 0, 2), gbk_from_utf8("wáng xiǎo míng ")); // pinyin letters
    EXPECT_EQ(ws.cell_text(WindowId::ResultWindow, list, 1, 2), "");
    ws.set_cell(WindowId::ResultWindow, list, 1, 2, "wang xiao hong");
    EXPECT_EQ(ws.cell_text(WindowId::ResultWindow, list, 1, 2), "wang xiao hong");
    for (const auto& [row, column] : std::vector<std::pair<int, int>>{{2, 0}, {-1, 0}, {0, -1}, {0, 3}, {99, 1}})
        EXPECT_EQ(ws.cell_text(WindowId::ResultWindow, list, row, column), "") << row << "," << column;
    ws.set_cell(WindowId::ResultWindow, list, 5, 1, "no such row");
    EXPECT_EQ(ws.insert_row(WindowId::ResultWindow, list, "3"), 2);
}

TEST_F(ResultList, EveryDoubleClickInTheRowAreaLooksUp) {
    WindowServices& ws = start();
    ws.open_window(WindowId::ResultWindow);
    driver->double_click_list(WindowId::ResultWindow, list, 1);
    driver->double_click_list(WindowId::ResultWindow, list, 0);
    driver->double_click_list(WindowId::ResultWindow, list, 50); // below the last row
    EXPECT_EQ(looked_up, (std::vector<std::pair<int, Text>>{
                             {1, gbk_from_utf8("王晓红")}, {0, gbk_from_utf8("王小明")}, {-1, ""}}));
}

TEST_F(ToolkitRules, AppendingAddsAtTheEndOfTheExplanation) {
    on(names::fill_meaning_text, [&] {
        driver->services().append_to_edit_box(WindowId::MeaningWindow, meaning_box, gbk_from_utf8("【王】\r\n"));
        driver->services().append_to_edit_box(WindowId::MeaningWindow, meaning_box, gbk_from_utf8("君主。"));
    });
    WindowServices& ws = start();
    ws.open_window(WindowId::MeaningWindow);
    EXPECT_EQ(ws.edit_text(WindowId::MeaningWindow, meaning_box), gbk_from_utf8("【王】\r\n君主。"));
    ws.append_to_edit_box(WindowId::MeaningWindow, meaning_box, "");
    EXPECT_EQ(ws.edit_text(WindowId::MeaningWindow, meaning_box), gbk_from_utf8("【王】\r\n君主。"));
}

TEST_F(ToolkitRules, ClosedWindowsAndUnknownControlsReadEmpty) {
    WindowServices& ws = start();
    ws.open_window(WindowId::MainWindow);
    // The ResultWindow is not open.
    EXPECT_EQ(ws.insert_row(WindowId::ResultWindow, list, "1"), -1);
    EXPECT_EQ(ws.first_selected_row(WindowId::ResultWindow, list), -1);
    EXPECT_EQ(ws.cell_text(WindowId::ResultWindow, list, 0, 0), "");
    EXPECT_EQ(ws.edit_text(WindowId::MeaningWindow, meaning_box), "");
    ws.append_to_edit_box(WindowId::MeaningWindow, meaning_box, "x");
    ws.destroy_window(WindowId::ResultWindow);
    EXPECT_FALSE(ws.is_destruction_pending(WindowId::ResultWindow));
    // Names the MainWindow does not have, or has for another kind of control.
    EXPECT_EQ(ws.edit_text(WindowId::MainWindow, "编辑框_姓氏9"), "");
    EXPECT_FALSE(ws.is_checked(WindowId::MainWindow, "编辑框_姓氏1"));
    EXPECT_EQ(ws.edit_text(WindowId::MainWindow, "单选框_男1"), "");
    ws.set_current_page(WindowId::MainWindow, "编辑框_姓氏1", 3);
    ws.insert_column(WindowId::MainWindow, list, "ID", 40);
    EXPECT_EQ(driver->current_page(WindowId::MainWindow, tab), 0);
}

TEST_F(ToolkitRules, TheMessageLoopEndsWhenTheLastWindowIsGone) {
    int exit_routine_runs = 0;
    on(names::back_from_results, [&] {
        driver->services().open_window(WindowId::MainWindow);
        driver->services().destroy_window(WindowId::ResultWindow);
        driver->queue_escape(WindowId::MainWindow);
    });
    WindowServices& ws = start();
    ws.set_exit_routine([&] { ++exit_routine_runs; });
    ws.open_window(WindowId::ResultWindow);
    driver->queue_escape(WindowId::ResultWindow);
    EXPECT_EQ(ws.run_message_loop(), 0);
    EXPECT_EQ(exit_routine_runs, 1);
    EXPECT_FALSE(ws.is_open(WindowId::MainWindow));
    EXPECT_EQ(calls,
              (std::vector<std::string>{names::fill_result_list, names::back_from_results, names::skin_main_window,
                                        names::end_on_main_close, names::open_promotion_pages}));
}

} // namespace
} // namespace namer
