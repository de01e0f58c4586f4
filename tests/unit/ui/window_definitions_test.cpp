#include <gtest/gtest.h>

#include <set>
#include <tuple>

#include "ui/handler_names.h"
#include "ui/maker_addresses.h"
#include "ui/window_definition.h"

namespace namer {
namespace {

const std::set<std::string> known_handlers = {
    handler_names::skin_main_window,   handler_names::end_on_main_close,   handler_names::open_promotion_pages,
    handler_names::back_from_results,  handler_names::back_from_meaning,   handler_names::fill_result_list,
    handler_names::fill_meaning_text,  handler_names::row_meaning_lookup,  handler_names::query_free_naming,
    handler_names::query_reduplicated, handler_names::query_five_elements, handler_names::query_nickname,
    handler_names::query_novel_names,  handler_names::query_meaning,
};

bool is_window_event(WindowEvent e) {
    return e == WindowEvent::Created || e == WindowEvent::CanBeClosed || e == WindowEvent::WillBeDestroyed;
}

// What the toolkits rely on in every definition: unique names, containers before their contents, option buttons
// in group boxes with exactly one checked, controls inside their container, bindings to existing sources.
TEST(WindowDefinitions, KeepTheRulesTheToolkitsRelyOn) {
    for (const WindowDefinition& w : window_definitions()) {
        SCOPED_TRACE(w.settings.caption);
        std::set<ControlName> seen;
        std::map<ControlName, int> checked_in_group;
        for (const ControlDefinition& c : w.controls) {
            SCOPED_TRACE(c.name);
            EXPECT_TRUE(seen.insert(c.name).second) << "name used twice";
            EXPECT_GT(c.rect.width, 0);
            EXPECT_GT(c.rect.height, 0);
            if (c.container.empty()) {
                EXPECT_EQ(c.page, -1);
            } else {
                ASSERT_TRUE(seen.count(c.container)) << "container not defined before";
                const ControlDefinition& box = *w.find(c.container);
                ASSERT_TRUE(box.kind == ControlKind::GroupBox || box.kind == ControlKind::TabControl);
                if (box.kind == ControlKind::TabControl) {
                    EXPECT_GE(c.page, 0);
                    EXPECT_LT(c.page, static_cast<int>(box.pages.size()));
                } else {
                    EXPECT_EQ(c.page, -1);
                }
                EXPECT_GE(c.rect.left, 0);
                EXPECT_GE(c.rect.top, 0);
                EXPECT_LE(c.rect.left + c.rect.width, box.rect.width);
                EXPECT_LE(c.rect.top + c.rect.height, box.rect.height);
            }
            if (c.kind == ControlKind::OptionButton) {
                ASSERT_FALSE(c.container.empty());
                EXPECT_EQ(w.find(c.container)->kind, ControlKind::GroupBox);
                checked_in_group[c.container] += c.checked ? 1 : 0;
            } else {
                EXPECT_FALSE(c.checked);
            }
            if (c.kind == ControlKind::TabControl) {
                EXPECT_GE(c.selected_page, 0);
                EXPECT_LT(c.selected_page, static_cast<int>(c.pages.size()));
            }
        }
        for (const auto& [group, checked] : checked_in_group)
            EXPECT_EQ(checked, 1) << group;

        std::set<std::pair<ControlName, WindowEvent>> bound;
        for (const EventBinding& b : w.bindings) {
            SCOPED_TRACE(b.source + " " + b.handler);
            EXPECT_TRUE(bound.insert({b.source, b.event}).second) << "event bound twice";
            EXPECT_TRUE(known_handlers.count(b.handler));
            if (b.source.empty()) {
                EXPECT_TRUE(is_window_event(b.event));
                continue;
            }
            const ControlDefinition* c = w.find(b.source);
            ASSERT_NE(c, nullptr);
            EXPECT_EQ(b.event == WindowEvent::Clicked, c->kind == ControlKind::PushButton);
            EXPECT_EQ(b.event == WindowEvent::DoubleClicked, c->kind == ControlKind::ListView);
        }
    }
}

TEST(WindowDefinitions, WindowsHaveTheirCaptionsAndOuterSizes) {
    const struct {
        WindowId id;
        const char* caption;
        int width, height;
        std::size_t controls;
    } cases[] = {
        {WindowId::MainWindow, "免费起名软件", 326, 309, 68},
        {WindowId::ResultWindow, "起名结果", 326, 275, 2},
        {WindowId::MeaningWindow, "名字释义", 325, 274, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        const WindowDefinition& w = window_definition(c.id);
        EXPECT_EQ(w.id, c.id);
        EXPECT_EQ(w.settings.caption, c.caption);
        EXPECT_EQ(w.settings.outer_width, c.width);
        EXPECT_EQ(w.settings.outer_height, c.height);
        EXPECT_EQ(w.controls.size(), c.controls);
        EXPECT_TRUE(w.settings.centred && w.settings.escape_closes);
        EXPECT_FALSE(w.settings.minimize_box || w.settings.maximize_box || w.settings.resizable ||
                     w.settings.always_on_top);
    }
    const ControlDefinition* tab = window_definition(WindowId::MainWindow).find(control_names::main_tab);
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->pages,
              (std::vector<std::string>{"免费起名", "叠字起名", "五行起名", "小名起名", "小说姓名", "名字释义"}));
    EXPECT_EQ(tab->selected_page, 0);
    const ControlDefinition* box = window_definition(WindowId::MeaningWindow).find(control_names::meaning_box);
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(box->multi_line);
}

TEST(WindowDefinitions, BindExactlyTheHandlersOfEachWindow) {
    using Binding = std::tuple<WindowId, ControlName, WindowEvent, std::string>;
    const std::set<Binding> expected = {
        {WindowId::MainWindow, "", WindowEvent::Created, "skin_main_window"},
        {WindowId::MainWindow, "", WindowEvent::CanBeClosed, "end_on_main_close"},
        {WindowId::MainWindow, "", WindowEvent::WillBeDestroyed, "open_promotion_pages"},
        {WindowId::MainWindow, "按钮_免费起名", WindowEvent::Clicked, "query_free_naming"},
        {WindowId::MainWindow, "按钮_叠字起名", WindowEvent::Clicked, "query_reduplicated"},
        {WindowId::MainWindow, "按钮_五行起名", WindowEvent::Clicked, "query_five_elements"},
        {WindowId::MainWindow, "按钮_小名起名", WindowEvent::Clicked, "query_nickname"},
        {WindowId::MainWindow, "按钮_小说姓名", WindowEvent::Clicked, "query_novel_names"},
        {WindowId::MainWindow, "按钮_查看解释", WindowEvent::Clicked, "query_meaning"},
        {WindowId::ResultWindow, "", WindowEvent::Created, "fill_result_list"},
        {WindowId::ResultWindow, "", WindowEvent::CanBeClosed, "back_from_results"},
        {WindowId::ResultWindow, "超级列表框1", WindowEvent::DoubleClicked, "row_meaning_lookup"},
        {WindowId::MeaningWindow, "", WindowEvent::Created, "fill_meaning_text"},
        {WindowId::MeaningWindow, "", WindowEvent::CanBeClosed, "back_from_meaning"},
    };
    std::set<Binding> actual;
    for (const WindowDefinition& w : window_definitions())
        for (const EventBinding& b : w.bindings)
            actual.insert({w.id, b.source, b.event, b.handler});
    EXPECT_EQ(actual, expected);
}

TEST(WindowDefinitions, FindThePageAControlLiesOn) {
    const WindowDefinition& w = window_definition(WindowId::MainWindow);
    const struct {
        ControlName name;
        int page; // -1: not on a page
    } cases[] = {
        {"编辑框_姓氏1", 0}, {"单选框_土", 2}, {"单选框_100条2", 4}, {"按钮_查看解释", 5},
        {"分组框2", -1},     {"标签2", -1},    {"BYTamsel", -1},     {control_names::main_tab, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int page = -1;
        const ControlDefinition* tab = w.page_owner(*w.find(c.name), &page);
        EXPECT_EQ(tab != nullptr, c.page >= 0);
        if (tab) {
            EXPECT_EQ(page, c.page);
        }
    }
    EXPECT_EQ(w.find("不存在"), nullptr);
    EXPECT_EQ(w.handler_for("按钮_免费起名", WindowEvent::DoubleClicked), "");
}

// The credit link follows the maker's page (an empty address opens nothing) rather than an empty e-mail address.
TEST(WindowDefinitions, CreditLinkShowsAndOpensTheMakersPage) {
    const ControlDefinition* link = window_definition(WindowId::MainWindow).find("BYTamsel");
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->kind, ControlKind::Hyperlink);
    EXPECT_EQ(link->container, "分组框2");
    EXPECT_EQ(link->link.kind, LinkKind::Web);
    EXPECT_EQ(link->link.web_address, credit_web_address());
    EXPECT_EQ(link->caption, credit_web_address());
}

} // namespace
} // namespace namer
