#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/gbk.h"
#include "fill_fixture.h"
#include "present/fill_result_list.h"
#include "present/pinyin.h"

using namespace namer;

namespace {

const ControlName list_name = "超级列表框1";
const Text blank_link = "<li><a href=\"x\" target=\"_blank\">";

using Row = std::vector<Text>;
using Rows = std::vector<Row>;

Text g(const char* utf8) {
    return gbk_from_utf8(utf8);
}

// A name-list page whose list holds the given link texts, each closed by "</a></li>".
Text list_page(const std::vector<Text>& names) {
    Text page = "<html><body><ul>\r\n";
    for (const Text& name : names)
        page += blank_link + name + "</a></li>\r\n";
    return page + "</ul></body></html>";
}

// The row a name gives: number, name, its pinyin.
Row row(int number, const Text& name) {
    return {std::to_string(number), name, name_pinyin(name, true)};
}

class FillResultList : public FillFixture {
protected:
    FillResultList() { windows.on_created[WindowId::ResultWindow] = fill_result_list; }

    // Opens the ResultWindow as the program does and returns its list.
    FakeWindows::List open_and_read() {
        windows.open_window(WindowId::ResultWindow);
        return windows.window(WindowId::ResultWindow).lists[list_name];
    }
};

} // namespace

TEST_F(FillResultList, TwoLinksGiveNumberedRowsWithNameAndPinyin) {
    state().result_page = list_page({g("张三"), g("李四")});
    const FakeWindows::List list = open_and_read();
    const std::vector<std::pair<Text, int>> columns = {{"ID", 35}, {g("姓名"), 70}, {g("拼音"), 125}};
    EXPECT_EQ(list.columns, columns);
    EXPECT_EQ(list.rows, (Rows{{"1", g("张三"), "zhang san "}, {"2", g("李四"), "li si "}}));
}

TEST_F(FillResultList, ListsTheLinkTextsOfTheFirstList) {
    const Text zhang = g("张三"), li = g("李四");
    struct Case {
        const char* what;
        Text page;
        Rows expected;
    } cases[] = {
        {"lists written in capitals are not lists", "<UL>" + blank_link + zhang + "</a></li></UL>", {}},
        {"target in single quotes", "<ul><li><a target='_blank'>" + zhang + "</a></li></ul>", {}},
        {"target in capitals", "<ul><li><a target=\"_BLANK\">" + zhang + "</a></li></ul>", {}},
        {"a link without target", "<ul><li><a href=\"x\">" + zhang + "</a></li></ul>", {}},
        {"a space before >", "<ul><li><a target=\"_blank\" >" + zhang + "</a></li></ul>", {}},
        {"only the first list counts",
         "<ul>" + blank_link + zhang + "</a></li></ul><ul>" + blank_link + li + "</a></li></ul>" + blank_link + li +
             "</a></li>",
         {row(1, zhang)}},
        {"links before the list do not count",
         blank_link + li + "</a></li><ul>" + blank_link + zhang + "</a></li></ul>",
         {row(1, zhang)}},
        {"an unclosed link runs on across tags and line breaks to the next </a></li>",
         "<ul>" + blank_link + zhang + "</a>\r\n</li>" + blank_link + li + "</a></li></ul>",
         {row(1, zhang + "</a>\r\n</li>" + blank_link + li)}},
        {"a line break inside a link text stays", list_page({g("张\r\n三")}), {row(1, g("张\r\n三"))}},
        {"an empty link text gives empty cells", list_page({"", li}), {{"1", "", ""}, row(2, li)}},
        {"no </ul> after the first <ul>", "</ul><ul>" + blank_link + zhang + "</a></li>", {}},
        {"an empty reply", "", {}},
        {"the timeout reply", "timeout", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        state().result_page = c.page;
        const FakeWindows::List list = open_and_read();
        EXPECT_EQ(list.columns.size(), 3u);
        EXPECT_EQ(list.rows, c.expected);
        windows.close(WindowId::ResultWindow);
    }
}

TEST_F(FillResultList, NumbersEveryEntryWithoutGaps) {
    std::vector<Text> names;
    for (int i = 0; i < 150; ++i)
        names.push_back(g("王") + "A" + std::to_string(i));
    state().result_page = list_page(names);
    const FakeWindows::List list = open_and_read();
    ASSERT_EQ(list.rows.size(), 150u);
    for (int i = 0; i < 150; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(list.rows[i], row(i + 1, names[i]));
    }
}

TEST_F(FillResultList, StoresTheSectionAndMatchesWithPositionsInIt) {
    state().item_matches->resize(3); // left from an earlier fill
    state().result_page = "head<ul>" + blank_link + g("张三") + "</a></li></ul>tail";
    open_and_read();

    EXPECT_EQ(state().list_section, blank_link + g("张三") + "</a></li>");
    const MatchList& matches = *state().item_matches;
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(matches[0][0].start, static_cast<std::int32_t>(blank_link.find("target=")));
    EXPECT_EQ(matches[0][1].start, static_cast<std::int32_t>(blank_link.size()));
    EXPECT_EQ(matches[0][1].length, 4);
    EXPECT_EQ(group_text(matches[0], state().list_section, 1), g("张三"));

    windows.close(WindowId::ResultWindow);
    state().result_page = "no list";
    open_and_read();
    EXPECT_EQ(state().list_section, "");
    EXPECT_TRUE(state().item_matches->empty());
}

TEST_F(FillResultList, CreatesMissingPatternObjects) {
    release_program_state();
    state().result_page = list_page({g("张三")});
    EXPECT_EQ(open_and_read().rows, (Rows{row(1, g("张三"))}));
    ASSERT_TRUE(state().item_pattern);
    ASSERT_TRUE(state().item_matches);
    EXPECT_EQ(state().item_matches->size(), 1u);
}

// After an unclosed link, the lazy group is tried from every later link to the end of the list: a megabyte of
// them is more than the engine's step limit allows, so it gives up and the rows before it stay.
TEST_F(FillResultList, EngineLimitKeepsTheRowsBefore) {
    Text page = "<ul>" + blank_link + g("张三") + "</a></li>" + blank_link + "unclosed";
    while (page.size() < (1u << 20))
        page += blank_link + "x</a>";
    state().result_page = page + "</ul>";
    EXPECT_EQ(open_and_read().rows, (Rows{row(1, g("张三"))}));
}
