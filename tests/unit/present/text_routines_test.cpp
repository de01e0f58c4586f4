#include <gtest/gtest.h>

#include "base/gbk.h"
#include "present/replace_all.h"
#include "present/text_between.h"

using namespace namer;

namespace {

const Text zhang = gbk_from_utf8("张"); // D5 C5

} // namespace

TEST(TextBetween, CutsBetweenFirstStartAndNextEnd) {
    const Text san = gbk_from_utf8("三");
    struct Case {
        Text text, start, end, expected;
    } cases[] = {
        {"a<ul>b</ul>c</ul>", "<ul>", "</ul>", "b"},
        {"</ul>x<ul>y", "<ul>", "</ul>", ""},
        {"<ul></ul>", "<ul>", "</ul>", ""},
        {"a<ul>b</ul>", "<ul>", "", ""},
        {"a<ul>", "<ul>", "", ""},
        {"", "<ul>", "</ul>", ""},
        {"no list here", "<ul>", "</ul>", ""},
        {"<ul>unclosed", "<ul>", "</ul>", ""},
        // only the first start marker counts; a second one belongs to the result
        {"<ul>a<ul>b</ul>c", "<ul>", "</ul>", "a<ul>b"},
        // an end marker before the start marker plays no part
        {"</ul><ul>x</ul>", "<ul>", "</ul>", "x"},
        // markers compare bytes exactly
        {"<UL>x</UL>", "<ul>", "</ul>", ""},
        // an empty start marker is found at the first byte
        {"ab</ul>", "", "</ul>", "ab"},
        {"<ul>" + zhang + san + "</ul>", "<ul>", "</ul>", zhang + san},
        // markers are found at character starts only: C5 D5 straddles the two characters of 张张
        {"<ul>" + zhang + zhang + "\xC5\xD5" + "</ul>", "<ul>", "\xC5\xD5", zhang + zhang},
        {zhang + zhang + "[x]", "\xC5\xD5", "]", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " | " + c.start + " | " + c.end);
        EXPECT_EQ(text_between(c.text, c.start, c.end), c.expected);
    }
}

TEST(ReplaceAll, ReplacesEveryOccurrenceAtCharacterStarts) {
    const Text separator = Text(45, '-') + "\r\n";
    struct Case {
        Text text, search, replacement, expected;
    } cases[] = {
        {"no tag", "<br />", "\r\n", "no tag"},
        {"<br /><br />", "<br />", "\r\n", "\r\n\r\n"},
        {"a<br />b<br>c<br/>d", "<br />", "\r\n", "a\r\nb<br>c<br/>d"},
        {"x<b>y", "<", separator, "x" + separator + "b>y"},
        {"", "<", "-", ""},
        {"text", "", "-", "text"},
        // replacements are not scanned again
        {"aba", "a", "aa", "aabaa"},
        {"a", "a", "<a>", "<a>"},
        // occurrences do not overlap and are taken from the left
        {"aaa", "aa", "b", "ba"},
        {"abc", "b", "", "ac"},
        // case-sensitive
        {"<BR />", "<br />", "\r\n", "<BR />"},
        // a partial occurrence at the end
        {"ab<br", "<br />", "\r\n", "ab<br"},
        // the trail byte 0x41 of a two-byte character is not an "A"
        {"\x81\x41"
         "A",
         "A", "x", "\x81\x41x"},
        // C5 D5 straddles the two characters of 张张 and is left alone; at a character start it is replaced
        {zhang + zhang, "\xC5\xD5", "x", zhang + zhang},
        {zhang + "\xC5\xD5", "\xC5\xD5", "x", zhang + "x"},
        // a lone lead byte at the end is copied
        {"ab\xD5", "b", "c", "ac\xD5"},
        {zhang + "<" + zhang, "<", "|", zhang + "|" + zhang},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " | " + c.search + " | " + c.replacement);
        EXPECT_EQ(replace_all(c.text, c.search, c.replacement), c.expected);
    }
}
