#include <gtest/gtest.h>

#include "service/name_rules.h"
#include "service/utf8_text.h"

namespace namer::service {
namespace {

// A few characters, enough to show each rule.
const DataTables fixture_tables = {
    u8"范\tfàn\t8\t木\n统\ttǒng\t9\t木\n明\tmíng\t8\t火\n清\tqīng\t11\t水\n风\tfēng\t4\t水\n张\tzhāng\t7\t火\n"
    u8"欧\tōu\t8\t土\n阳\tyáng\t6\t火\n死\tsǐ\t6\t金\n",
    u8"统\ttǒng\tm\tf\t统领\t统筹全局\n明\tmíng\tn\tf\t光明\t前程光明\n清\tqīng\tn\tf\t清澈\t清雅高洁\n"
    u8"风\tfēng\tn\tf\t风采\t风度翩翩\n死\tsǐ\tn\tf\t死亡\t-\n",
    u8"范\tfàn\tc\n张\tzhāng\tc\n明\tmíng\tr\n欧阳\tōu yáng\tr\n",
    u8"@\t诗经\t周南·关雎\t\n明月清风。\n",
    u8"# a comment\n死 病\n",
    u8"fan tong\t饭桶\nyang ming\t测试用\n",
};

class NameRules : public ::testing::Test {
protected:
    NameRules() : data(fixture_tables) {}

    Surname surname(const char* text) const { return surname_from_entry(*data.surname(code_points(text))); }
    const PoolCharacter* given(const char* text) const { return data.pool_character(code_points(text).front()); }

    NameData data;
};

TEST_F(NameRules, FindsAnUnfortunateSoundAnywhereInTheName) {
    const Homophone* found = unfortunate_sound(data, name_sound(surname(u8"范"), {given(u8"统")}));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->heard_as, u8"饭桶");
    // The second and third syllables of 欧阳明 make "yang ming".
    EXPECT_NE(unfortunate_sound(data, name_sound(surname(u8"欧阳"), {given(u8"明")})), nullptr);
    EXPECT_EQ(unfortunate_sound(data, name_sound(surname(u8"张"), {given(u8"统")})), nullptr);
    EXPECT_EQ(unfortunate_sound(data, name_sound(surname(u8"范"), {given(u8"明")})), nullptr);
}

TEST_F(NameRules, ThreeEqualTonesReadFlat) {
    EXPECT_TRUE(tones_all_same(name_sound(surname(u8"张"), {given(u8"清"), given(u8"风")})));
    EXPECT_FALSE(tones_all_same(name_sound(surname(u8"张"), {given(u8"明"), given(u8"风")})));
    EXPECT_FALSE(tones_all_same(name_sound(Surname{}, {given(u8"清"), given(u8"风")}))); // two syllables
    // A surname without a known reading leaves the tones unknown.
    const Surname unknown{u8"\u4E02", U"\u4E02", "\x81\x40", {}, nullptr};
    EXPECT_FALSE(tones_all_same(name_sound(unknown, {given(u8"清"), given(u8"风")})));
}

TEST_F(NameRules, AcceptableNameAppliesEveryRule) {
    EXPECT_TRUE(acceptable_name(data, surname(u8"张"), {given(u8"明")}));
    EXPECT_TRUE(acceptable_name(data, surname(u8"张"), {given(u8"明"), given(u8"风")}));
    EXPECT_FALSE(acceptable_name(data, surname(u8"范"), {given(u8"统")}));                // sounds like 饭桶
    EXPECT_FALSE(acceptable_name(data, surname(u8"张"), {given(u8"清"), given(u8"风")})); // three level tones
    EXPECT_FALSE(acceptable_name(data, surname(u8"张"), {given(u8"死")}));                // blocked character
    EXPECT_FALSE(acceptable_name(data, surname(u8"明"), {given(u8"明"), given(u8"风")})); // repeats the surname
}

TEST(NameDataTables, RefuseMalformedLines) {
    struct Case {
        const char* what;
        DataTables tables;
    };
    const Case cases[] = {
        {"hanzi line with three fields", {u8"明\tmíng\t8\n", "", "", "", "", ""}},
        {"hanzi with an unknown element", {u8"明\tmíng\t8\t光\n", "", "", "", "", ""}},
        {"hanzi with no strokes", {u8"明\tmíng\t0\t火\n", "", "", "", "", ""}},
        {"hanzi twice", {u8"明\tmíng\t8\t火\n明\tmíng\t8\t火\n", "", "", "", "", ""}},
        {"pool character missing from hanzi", {"", u8"明\tmíng\tn\tf\t光明\t前程光明\n", "", "", "", ""}},
        {"pool line with a bad lean", {u8"明\tmíng\t8\t火\n", u8"明\tmíng\tx\tf\t光明\t前程光明\n", "", "", "", ""}},
        {"surname with too few readings", {"", "", u8"欧阳\tōu\tr\n", "", "", ""}},
        {"surname of an unknown kind", {"", "", u8"张\tzhāng\tq\n", "", "", ""}},
        {"poetry line before a poem", {"", "", "", u8"明月清风。\n", "", ""}},
        {"homophone of one syllable", {"", "", "", "", "", u8"fan\t饭\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_THROW(NameData data(c.tables), std::runtime_error);
    }
    EXPECT_NO_THROW(NameData data(fixture_tables));
}

} // namespace
} // namespace namer::service
