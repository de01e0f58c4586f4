#include <gtest/gtest.h>

#include <string>

#include "base/gbk.h"
#include "fill_fixture.h"
#include "present/fill_meaning_text.h"

using namespace namer;

namespace {

const ControlName box = "编辑框_显示";
const Text separator = Text(45, '-') + "\r\n";

class FillMeaningText : public FillFixture {
protected:
    FillMeaningText() { windows.on_created[WindowId::MeaningWindow] = fill_meaning_text; }

    // Opens the MeaningWindow as the program does and returns what its edit box shows.
    Text open_and_read() {
        windows.open_window(WindowId::MeaningWindow);
        return windows.window(WindowId::MeaningWindow).edits[box];
    }
};

} // namespace

TEST_F(FillMeaningText, AppendsEachParagraphWithItsLineBreaksAndSeparators) {
    const auto g = gbk_from_utf8;
    struct Case {
        const char* what;
        Text page, expected;
    } cases[] = {
        {"line-break tags become line breaks; the separator stands on the last line",
         g("<p id=\"m1\">第一行<br />第二行</p>"), g("第一行\r\n第二行") + separator},
        {"every other < becomes a separator line", "<p id=\"m1\">x<b>y</b></p>",
         "x" + separator + "b>y" + separator + "/b>" + separator},
        {"<br> and <br/> are not line-break tags", "<p id=\"m1\">a<br>b<br/>c</p>",
         "a" + separator + "br>b" + separator + "br/>c" + separator},
        {"two paragraphs back to back", "<p id=\"m1\">one</p><p id=\"m2\">two</p>",
         "one" + separator + "two" + separator},
        {"text outside paragraphs is left out", "<html><h1>title</h1>\r\n<p id=\"ab\">body</p>\r\n<p>foot</p>",
         "body" + separator},
        {"line breaks of the page inside a paragraph are kept", "<p id=\"m1\">a\r\nb\nc</p>", "a\r\nb\nc" + separator},
        {"an id of one Chinese character", g("<p id=\"释\">义</p>"), g("义") + separator},
        {"an empty paragraph still ends with its separator", "<p id=\"m1\"></p>", separator},
        {"an unclosed paragraph runs on to the next /p>", "<p id=\"m1\">one<p id=\"m2\">two</p>",
         "one" + separator + "p id=\"m2\">two" + separator},
        {"ids of one or three bytes, a further attribute, capitals",
         "<p id=\"m\">a</p><p id=\"m12\">b</p><p id=\"m1\" class=\"c\">c</p><P id=\"m1\">d</P>", ""},
        {"a page without paragraphs", "<html><body>not found</body></html>", ""},
        {"the timeout reply", "timeout", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        state().meaning_page_list = c.page;
        EXPECT_EQ(open_and_read(), c.expected);
        windows.close(WindowId::MeaningWindow);
    }
}

TEST_F(FillMeaningText, TheReaderStartsAtTheFirstParagraph) {
    state().meaning_page_list = "<p id=\"m1\">one</p><p id=\"m2\">two</p>";
    open_and_read();
    EXPECT_EQ(windows.scrolled_to_start, std::vector<ControlName>{box});
}

TEST_F(FillMeaningText, PrefersTheMainWindowPageEvenWithoutParagraphs) {
    struct Case {
        const char* what;
        Text main_page, list_page, expected;
    } cases[] = {
        {"main page only", "<p id=\"m1\">main</p>", "", "main" + separator},
        {"list page only", "", "<p id=\"m1\">list</p>", "list" + separator},
        {"both: the main page", "<p id=\"m1\">main</p>", "<p id=\"m1\">list</p>", "main" + separator},
        {"main page without paragraphs", "error page", "<p id=\"m1\">list</p>", ""},
        {"neither", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        state().meaning_page_main = c.main_page;
        state().meaning_page_list = c.list_page;
        EXPECT_EQ(open_and_read(), c.expected);
        windows.close(WindowId::MeaningWindow);
    }
}

TEST_F(FillMeaningText, StoresMatchesAndSeparatorLine) {
    state().paragraph_matches->resize(5); // left from an earlier fill
    EXPECT_TRUE(state().separator_line.empty());
    state().meaning_page_list = "xx<p id=\"m1\">ab</p><p id=\"m2\">c</p>";
    open_and_read();

    EXPECT_EQ(state().separator_line, Text(45, '-'));
    const MatchList& matches = *state().paragraph_matches;
    ASSERT_EQ(matches.size(), 2u);
    EXPECT_EQ(matches[0][0].start, 2);
    EXPECT_EQ(matches[0][1].start, 13);
    EXPECT_EQ(group_text(matches[0], state().meaning_page_list, 1), "ab<");
    EXPECT_EQ(group_text(matches[1], state().meaning_page_list, 1), "c<");
}

TEST_F(FillMeaningText, CreatesMissingPatternObjects) {
    release_program_state();
    state().meaning_page_main = "<p id=\"m1\">a</p>";
    EXPECT_EQ(open_and_read(), "a" + separator);
    ASSERT_TRUE(state().paragraph_pattern);
    ASSERT_TRUE(state().paragraph_matches);
    EXPECT_EQ(state().paragraph_matches->size(), 1u);
}

// The lazy group of an unclosed paragraph is tried from every later opening tag to the end of the page: a megabyte
// of them is more than the engine's step limit allows, so it gives up and the paragraphs before it stay.
TEST_F(FillMeaningText, EngineLimitKeepsTheParagraphsBefore) {
    Text page = "<p id=\"m1\">kept</p><p id=\"m2\">unclosed";
    while (page.size() < (1u << 20))
        page += "<p id=\"m3\">more";
    state().meaning_page_list = page;
    EXPECT_EQ(open_and_read(), "kept" + separator);
    EXPECT_EQ(state().paragraph_matches->size(), 1u);
}
