#include <gtest/gtest.h>

#include "base/gbk.h"
#include "base/text.h"

using namespace namer;

TEST(TextFromBytes, EndsBeforeTheFirstZeroByte) {
    EXPECT_EQ(text_from_bytes(Bytes("ab\0cd", 5)), "ab");
    EXPECT_EQ(text_from_bytes(Bytes("\0x", 2)), "");
    EXPECT_EQ(text_from_bytes("abc"), "abc");
}

TEST(FindText, StepsOverTwoByteCharacters) {
    const Text zhang = gbk_from_utf8("张"); // D5 C5
    struct Case {
        Text text, marker;
        int from, expected;
    } cases[] = {
        {"a<ul>b", "<ul>", 1, 2},
        {"abc", "x", 1, -1},
        {"abc", "", 1, 1},
        {"", "", 1, -1},
        {"abcabc", "abc", 2, 4},
        {"abc", "abcd", 1, -1},
        // C5 D5 occurs across the boundary of 张张 (D5 C5 D5 C5) but never at a character start
        {zhang + zhang, "\xC5\xD5", 1, -1},
        {zhang + "\xC5\xD5", "\xC5\xD5", 1, 3},
        // the trail byte 0x41 ("A") of a two-byte character is not an "A"
        {"\x81\x41" "A", "A", 1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text + " / " + c.marker);
        EXPECT_EQ(find_text(c.text, c.marker, c.from), c.expected);
    }
}

TEST(FindText, IgnoringCaseComparesAsciiLettersOnly) {
    EXPECT_EQ(find_text_ignore_case("x-Set-Cookie: a", "set-cookie: "), 3);
    EXPECT_EQ(find_text_ignore_case("HTTPS://h", "https://"), 1);
    EXPECT_EQ(find_text_ignore_case("\xD5\xC5", "\xD5\xE5"), -1);
    EXPECT_EQ(find_text_ignore_case("\x81\x61", "A"), -1);
}

TEST(AsciiLower, LeavesTwoByteCharactersAlone) {
    EXPECT_EQ(ascii_lower("WwW.Example.COM"), "www.example.com");
    EXPECT_EQ(ascii_lower("\x81\x41Z"), "\x81\x41z");
}
