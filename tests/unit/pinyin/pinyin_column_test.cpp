#include <gtest/gtest.h>

#include <vector>

#include "base/gbk.h"
#include "present/pinyin.h"

using namespace namer;

namespace {

struct Case {
    const char* what;
    Text name;
    Text expected;
};

void expect_column(const std::vector<Case>& cases, bool add_space) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(name_pinyin(c.name, add_space), c.expected);
    }
}

} // namespace

TEST(NamePinyin, EdgeCases) {
    expect_column(
        {
            {"two characters", gbk_from_utf8("张三"), "zhang san "},
            {"compound surname", gbk_from_utf8("欧阳长乐"), "ou yang chang le "},
            {"ASCII letter", gbk_from_utf8("A张"), "Azhang "},
            {"full-width letter", gbk_from_utf8("Ａ张"), "Azhang "},
            {"ASCII space", gbk_from_utf8("A 张"), "A zhang "},
            {"middle dot copied with no space", gbk_from_utf8("约翰·史密斯"), gbk_from_utf8("yue han ·shi mi si ")},
            {"black star", gbk_from_utf8("李★"), "li *"},
            {"white star", gbk_from_utf8("李☆"), "li *"},
            {"component without reading leaves its space", gbk_from_utf8("亻张"), " zhang "},
            {"empty code of the area leaves its space", "\xD7\xFA\xD5\xC5", " zhang "},
            {"GBK character beyond GB2312 copied", gbk_from_utf8("张珺"), "zhang \xAC\x42"},
            {"empty name", "", ""},
            {"ideographic space", gbk_from_utf8("张　三"), "zhang  san "},
            {"full-width digits and tilde", gbk_from_utf8("１２～"), "12~"},
            {"full-width overline", "\xA3\xFE", "~"},
            {"ASCII punctuation unchanged", "a-b.c!~", "a-b.c!~"},
            {"carriage return and line feed copied", "\r\n", "\r\n"},
            {"lone final lead byte dropped", "\xD5\xC5\xD5", "zhang "},
            {"GBK code whose trail is ASCII",
             "\x81\x40"
             "a",
             "\x81\x40"
             "a"},
        },
        true);
}

TEST(NamePinyin, WithoutSpaces) {
    expect_column(
        {
            {"two characters", gbk_from_utf8("张三"), "zhangsan"},
            {"component without reading contributes nothing", gbk_from_utf8("亻张"), "zhang"},
            {"other characters as with spaces", gbk_from_utf8("A 张★"), "A zhang*"},
        },
        false);
}

// A control byte stays one byte wide, so it is a unit of its own: the characters after it keep their pairing and
// still come out as their readings.
TEST(NamePinyin, ControlBytesDoNotShiftThePairing) {
    expect_column(
        {
            {"tab between characters", gbk_from_utf8("张\t三"), "zhang \tsan "},
            {"leading line feed", gbk_from_utf8("\n张三"), "\nzhang san "},
            {"line feed before ASCII", "\nAB", "\nAB"},
            {"lone line feed", "\n", "\n"},
            {"control byte before the last character", gbk_from_utf8("李\x01明"), "li \x01ming "},
        },
        true);
}
