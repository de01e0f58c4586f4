#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <set>
#include <string>
#include <vector>

#include "base/gbk.h"
#include "present/pinyin.h"

using namespace namer;

namespace {

// Each code of the GB2312 hanzi area, row by row.
std::vector<Text> hanzi_area() {
    std::vector<Text> codes;
    for (int lead = 0xB0; lead <= 0xF7; ++lead)
        for (int trail = 0xA1; trail <= 0xFE; ++trail)
            codes.push_back(Text{static_cast<char>(lead), static_cast<char>(trail)});
    return codes;
}

// The characters of a UTF-8 string as GBK units.
std::vector<Text> units_of(const char* utf8) {
    const Text gbk = gbk_from_utf8(utf8);
    std::vector<Text> units;
    for (std::size_t i = 0; i + 1 < gbk.size(); i += 2)
        units.push_back(gbk.substr(i, 2));
    return units;
}

} // namespace

TEST(PinyinTable, TellingRows) {
    const struct {
        const char* character;
        Text code;
        const char* first;
    } rows[] = {
        {"啊", "\xB0\xA1", "a"},    {"张", "\xD5\xC5", "zhang"}, {"长", "\xB3\xA4", "chang"},
        {"行", "\xD0\xD0", "xing"}, {"重", "\xD6\xD8", "zhong"}, {"乐", "\xC0\xD6", "le"},
        {"儿", "\xB6\xF9", "er"},   {"绿", "\xC2\xCC", "lu"},    {"女", "\xC5\xAE", "nu"},
        {"略", "\xC2\xD4", "lue"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.character);
        ASSERT_EQ(gbk_from_utf8(row.character), row.code);
        EXPECT_TRUE(is_gb2312_hanzi(row.code));
        EXPECT_EQ(pinyin_reading(row.code, 1), row.first);
    }
}

TEST(PinyinTable, FurtherReadingsFollowTheCommonOne) {
    // Surnames read otherwise keep the common reading first; their surname reading is one of the others.
    const struct {
        const char* character;
        const char* first;
        const char* other;
    } rows[] = {
        {"曾", "ceng", "zeng"},   {"单", "dan", "shan"},  {"朴", "pu", "piao"},     {"仇", "chou", "qiu"},
        {"查", "cha", "zha"},     {"翟", "di", "zhai"},   {"解", "jie", "xie"},     {"区", "qu", "ou"},
        {"长", "chang", "zhang"}, {"行", "xing", "hang"}, {"重", "zhong", "chong"}, {"乐", "le", "yue"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.character);
        const Text unit = gbk_from_utf8(row.character);
        EXPECT_EQ(pinyin_reading(unit, 1), row.first);
        EXPECT_TRUE(pinyin_reading(unit, 2) == row.other || pinyin_reading(unit, 3) == row.other);
    }
}

TEST(PinyinTable, CodesWithoutReading) {
    // The five codes without a character, the components and the interjections written without a vowel.
    std::set<Text> expected{"\xD7\xFA", "\xD7\xFB", "\xD7\xFC", "\xD7\xFD", "\xD7\xFE"};
    for (const Text& unit : units_of("丶亻冫讠阝艹扌犭忄氵宀辶纟礻钅疒衤"                   // listed components
                                     "丨丿匚刂冂勹亠冖卩廴凵廾囗彡夂饣丬彐屮巛攴攵灬虍糸髟" // further radical forms
                                     "呒嗯"))
        expected.insert(unit);
    std::set<Text> found;
    for (const Text& unit : hanzi_area())
        if (pinyin_reading(unit, 1).empty())
            found.insert(unit);
    EXPECT_EQ(found, expected);
}

TEST(PinyinTable, EveryCodeHasAtMostThreeDistinctLowerCaseReadings) {
    int with_several = 0;
    for (const Text& unit : hanzi_area()) {
        SCOPED_TRACE(testing::PrintToString(unit));
        ASSERT_TRUE(is_gb2312_hanzi(unit));
        std::set<Text> readings;
        bool ended = false;
        for (std::int32_t number = 1; number <= 3; ++number) {
            const Text reading = pinyin_reading(unit, number);
            if (reading.empty()) {
                ended = true;
                continue;
            }
            ASSERT_FALSE(ended) << "reading " << number << " after an empty one";
            ASSERT_TRUE(std::all_of(reading.begin(), reading.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
                << reading; // ^[a-z]+$: the reading is not empty here
            ASSERT_LE(reading.size(), 6u);
            ASSERT_TRUE(readings.insert(reading).second) << "repeated " << reading;
        }
        EXPECT_EQ(pinyin_reading(unit, 4), "");
        with_several += readings.size() > 1;
    }
    EXPECT_GT(with_several, 300); // the common polyphones are there, not only their first readings
}

TEST(PinyinReading, ReadingNumbers) {
    const Text zhong = gbk_from_utf8("重");
    const struct {
        std::int32_t number;
        const char* expected;
    } cases[] = {{1, "zhong"},  {2, "chong"},         {3, ""}, {0, "zhong"},
                 {-1, "zhong"}, {INT32_MIN, "zhong"}, {4, ""}, {INT32_MAX, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(pinyin_reading(zhong, c.number), c.expected);
    }
}

TEST(PinyinReading, UnitsOutsideTheArea) {
    const struct {
        const char* what;
        Text unit;
        bool hanzi;
        const char* first;
    } cases[] = {
        {"empty", "", false, ""},
        {"one lead byte", "\xD5", false, ""},
        {"ASCII", "ab", false, ""},
        {"symbol row", "\xA1\xA4", false, ""},
        {"full-width letter", "\xA3\xC1", false, ""},
        {"row before the area", "\xAF\xFE", false, ""},
        {"row after the area", "\xF8\xA1", false, ""},
        {"trail below 0xA1", "\xB0\xA0", false, ""},
        {"GBK trail byte outside GB2312", "\xB0\x40", false, ""},
        {"trail 0xFF", "\xB0\xFF", false, ""},
        {"GBK character beyond GB2312", gbk_from_utf8("珺"), false, ""},
        {"first code", "\xB0\xA1", true, "a"},
        {"last code", "\xF7\xFE", true, "zha"},
        {"empty code in the area", "\xD7\xFA", true, ""},
        {"only the first two bytes count", gbk_from_utf8("张三"), true, "zhang"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(is_gb2312_hanzi(c.unit), c.hanzi);
        EXPECT_EQ(pinyin_reading(c.unit, 1), c.first);
    }
}
