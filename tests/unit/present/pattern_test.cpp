#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/gbk.h"
#include "present/fill_meaning_text.h"
#include "present/pattern.h"

using namespace namer;

namespace {

// The texts of one group of every match of `expression` in `text`.
std::vector<Text> group_texts(const Text& expression, const Text& text, int group = 1) {
    Pattern pattern;
    EXPECT_TRUE(compile_pattern(pattern, expression));
    std::vector<Text> texts;
    for (const Match& match : search_all(pattern, text))
        texts.push_back(group_text(match, text, group));
    return texts;
}

using Texts = std::vector<Text>;

} // namespace

TEST(Pattern, SearchesLeftToRightWithoutOverlap) {
    const Text zhang = gbk_from_utf8("张");
    struct Case {
        const char* what;
        Text expression, text;
        Texts expected;
    } cases[] = {
        {"each search starts after the previous match", "(aa)", "aaaaa", {"aa", "aa"}},
        {"lazy group up to the nearest end", "<(.*?)>", "<a><b>", {"a", "b"}},
        {"dot matches line feed, carriage return, form feed", "<(.*?)>", "<a\nb\r\fc>", {"a\nb\r\fc"}},
        {"case-sensitive", "(abc)", "ABC abc", {"abc"}},
        {"every byte is one character", "\\[(..)\\]", "[" + zhang + "][ab][c]", {zhang, "ab"}},
        {"high bytes match literally", "x(.)x", "x\xFFx", {"\xFF"}},
        {"Perl escapes", R"(\x22(\d+)\x22)", R"("12" "x" "3")", {"12", "3"}},
        {"nothing found", "(z)", "abc", {}},
        {"empty text", "(.*)", "", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(group_texts(c.expression, c.text), c.expected);
    }
}

TEST(Pattern, RecordsEveryGroupWithPositionsInTheSearchedText) {
    Pattern pattern;
    ASSERT_TRUE(compile_pattern(pattern, "(a)(x)?(b)"));
    const Text text = "--ab--axb";
    const MatchList matches = search_all(pattern, text);
    ASSERT_EQ(matches.size(), 2u);
    ASSERT_EQ(matches[0].size(), 4u);
    const GroupSpan& whole = matches[0][0];
    EXPECT_EQ(whole.start, 2);
    EXPECT_EQ(whole.length, 2);
    EXPECT_TRUE(whole.matched);
    EXPECT_FALSE(matches[0][2].matched);
    EXPECT_EQ(group_text(matches[0], text, 2), "");
    EXPECT_EQ(group_text(matches[0], text, 3), "b");
    EXPECT_EQ(matches[1][0].start, 6);
    EXPECT_EQ(group_text(matches[1], text, 0), "axb");
    EXPECT_EQ(group_text(matches[1], text, 2), "x");
}

TEST(Pattern, GroupTextIsEmptyForGroupsItCannotTake) {
    Pattern pattern;
    ASSERT_TRUE(compile_pattern(pattern, "<()(.+)>"));
    const Text text = "<abc>";
    const MatchList matches = search_all(pattern, text);
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(group_text(matches[0], text, 1), "") << "a group of length 0";
    EXPECT_EQ(group_text(matches[0], text, 3), "") << "beyond the groups";
    EXPECT_EQ(group_text(matches[0], text, -1), "");
    EXPECT_EQ(group_text(matches[0], "<a", 2), "") << "a text shorter than the one searched";
    EXPECT_EQ(group_text(matches[0], text, 2), "abc");
}

TEST(Pattern, FailedCompileKeepsThePreviousExpression) {
    Pattern pattern;
    EXPECT_FALSE(compile_pattern(pattern, "a(b"));
    EXPECT_FALSE(pattern.has_expression());
    EXPECT_TRUE(search_all(pattern, "ab").empty()) << "a pattern without expression finds nothing";

    ASSERT_TRUE(compile_pattern(pattern, "b"));
    for (const char* broken : {"a(b", "[z", "*", "(?<", "\\"}) {
        SCOPED_TRACE(broken);
        EXPECT_FALSE(compile_pattern(pattern, broken));
        EXPECT_EQ(search_all(pattern, "abcb").size(), 2u);
    }
    EXPECT_TRUE(compile_pattern(pattern, "c"));
    EXPECT_EQ(search_all(pattern, "abcb").size(), 1u);
}

TEST(Pattern, EmptyMatchIsListedOnceAndTheSearchMovesOn) {
    Pattern pattern;
    ASSERT_TRUE(compile_pattern(pattern, "x*(?=b)"));
    const Text text = "axxbab";
    const MatchList matches = search_all(pattern, text);
    std::vector<std::pair<int, int>> spans;
    for (const Match& match : matches)
        spans.emplace_back(match[0].start, match[0].length);
    EXPECT_EQ(spans, (std::vector<std::pair<int, int>>{{1, 2}, {3, 0}, {5, 0}}));
}

// When the engine gives up inside a search, the matches found before it stay and nothing escapes; a later match
// that the engine would have reached without its limits is not listed.
TEST(Pattern, EngineLimitEndsTheSearchWithTheMatchesFoundBefore) {
    struct Case {
        const char* what;
        Text expression, text;
        Texts expected;
    } cases[] = {
        {"step limit: every start in a run of x tries every split of it",
         "x*x*x*y",
         "xy" + Text(3000, 'x') + "z xy",
         {"xy"}},
        {"backtracking memory: one saved state per repetition", "(a|b)*c", "ac" + Text(1 << 20, 'a') + "c", {"ac"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(group_texts(c.expression, c.text, 0), c.expected);
    }
}

// The paragraph expression exactly as the explanation window uses it.
TEST(Pattern, ParagraphExpressionTakesTwoByteIdsOnly) {
    const Text zhang = gbk_from_utf8("张");
    struct Case {
        const char* what;
        Text page;
        Texts expected;
    } cases[] = {
        {"two-byte id", R"(<p id="m1">a</p>)", {"a<"}},
        {"one Chinese character as id", "<p id=\"" + zhang + "\">a</p>", {"a<"}},
        {"one-byte id", R"(<p id="m">a</p>)", {}},
        {"three-byte id", R"(<p id="m12">a</p>)", {}},
        {"further attribute", R"(<p id="m1" class="c">a</p>)", {}},
        {"space before >", R"(<p id="m1" >a</p>)", {}},
        {"capital P", R"(<P id="m1">a</p>)", {}},
        {"single quotes", R"(<p id='m1'>a</p>)", {}},
        {"closed by /p> without <", R"(<p id="m1">a/p>)", {"a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(group_texts(paragraph_expression, c.page), c.expected);
    }
}
