#include <gtest/gtest.h>

#include <vector>

#include "base/gbk.h"
#include "present/pinyin.h"

using namespace namer;

namespace {

struct Case {
    const char* what;
    Text input;
    Text expected;
};

void expect_all(const std::vector<Case>& cases, Text (*convert)(const Text&)) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(convert(c.input), c.expected);
    }
}

} // namespace

TEST(ToFullWidth, ConvertsByteByByte) {
    expect_all(
        {
            {"space to the ideographic space", " ", "\xA1\xA1"},
            {"tilde to the full-width tilde", "~", "\xA1\xAB"},
            {"letter", "A", "\xA3\xC1"},
            {"first printable", "!", "\xA3\xA1"},
            {"last before the tilde", "}", "\xA3\xFD"},
            {"digits", "09", "\xA3\xB0\xA3\xB9"},
            {"control bytes unchanged", "\t\r\n\x01\x1F\x7F", "\t\r\n\x01\x1F\x7F"},
            {"two-byte character unchanged", gbk_from_utf8("张"), "\xD5\xC5"},
            {"ASCII around a character", gbk_from_utf8("a张b"), "\xA3\xE1\xD5\xC5\xA3\xE2"},
            {"lead byte takes the next byte with it", "\x80\x41", "\x80\x41"},
            {"lone final lead byte dropped", "\xD5\xC5\xD5", "\xD5\xC5"},
            {"only a lead byte", "\xFE", ""},
            {"empty", "", ""},
        },
        to_full_width);
}

TEST(ToHalfWidth, ConvertsFullWidthForms) {
    expect_all(
        {
            {"ideographic space", "\xA1\xA1", " "},
            {"full-width tilde", "\xA1\xAB", "~"},
            {"white star", "\xA1\xEE", "*"},
            {"black star", "\xA1\xEF", "*"},
            {"first full-width form", "\xA3\xA1", "!"},
            {"full-width letter", "\xA3\xC1", "A"},
            {"full-width overline becomes the tilde", "\xA3\xFE", "~"},
            {"0xA3 with a trail byte outside 0xA1-0xFE", "\xA3\xA0", "\xA3\xA0"},
            {"0xA3 followed by ASCII stays a pair",
             "\xA3"
             "A",
             "\xA3"
             "A"},
            {"middle dot unchanged", "\xA1\xA4", "\xA1\xA4"},
            {"Chinese character unchanged", gbk_from_utf8("张"), "\xD5\xC5"},
            {"GBK beyond GB2312 unchanged", gbk_from_utf8("珺"), "\xAC\x42"},
            {"ASCII unchanged", "abc \t~", "abc \t~"},
            {"lone final lead byte dropped", "a\xA3", "a"},
            {"empty", "", ""},
        },
        to_half_width);
}

TEST(WidthConversion, AsciiSurvivesTheRoundTrip) {
    for (int byte = 0x01; byte <= 0x7F; ++byte) {
        const Text narrow(1, static_cast<char>(byte));
        EXPECT_EQ(to_half_width(to_full_width(narrow)), narrow) << "byte " << byte;
    }
}

TEST(WidthConversion, FullWidthFormsRoundTripExceptTheOverlineAndTheStars) {
    for (int trail = 0xA1; trail <= 0xFD; ++trail) {
        const Text wide{'\xA3', static_cast<char>(trail)};
        EXPECT_EQ(to_full_width(to_half_width(wide)), wide) << "trail " << trail;
    }
    // Not inverses: the overline and the two stars come back as other characters.
    EXPECT_EQ(to_full_width(to_half_width("\xA3\xFE")), "\xA1\xAB");
    EXPECT_EQ(to_full_width(to_half_width("\xA1\xEE")), "\xA3\xAA");
    EXPECT_EQ(to_full_width(to_half_width("\xA1\xEF")), "\xA3\xAA");
}
