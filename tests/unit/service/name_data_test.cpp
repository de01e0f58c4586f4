#include <gtest/gtest.h>

#include <set>

#include "service/pinyin_syllable.h"
#include "service/utf8_text.h"
#include "service_test_support.h"

namespace namer::service {
namespace {

using testing::embedded_data;

TEST(EmbeddedData, PoolCarriesWhatTheServiceWrites) {
    const NameData& data = embedded_data();
    EXPECT_GE(data.pool().size(), 1500u);
    std::size_t formal[3] = {};
    for (const PoolCharacter& entry : data.pool()) {
        SCOPED_TRACE(entry.hanzi->text);
        EXPECT_GT(entry.hanzi->strokes, 0);
        EXPECT_FALSE(entry.meaning.empty());
        EXPECT_FALSE(entry.wish.empty());
        EXPECT_NE(entry.sound.plain, "");
        EXPECT_EQ(entry.hanzi->gbk.size(), 2u); // every pool character can be sent to the client
        if (entry.formal)
            ++formal[static_cast<int>(entry.lean)];
        if (data.is_blocked(entry.hanzi->code)) {
            EXPECT_FALSE(entry.formal || entry.doubled_formal || entry.pet || entry.doubled_pet || entry.prefix);
        }
    }
    for (std::size_t count : formal) {
        EXPECT_GE(count, 150u);
    }
}

TEST(EmbeddedData, SurnamesReadAsSurnames) {
    const std::pair<const char*, const char*> cases[] = {
        {u8"曾", u8"zēng"},      {u8"单", u8"shàn"},        {u8"朴", u8"piáo"},      {u8"仇", u8"qiú"},
        {u8"查", u8"zhā"},       {u8"翟", u8"zhái"},        {u8"解", u8"xiè"},       {u8"区", u8"ōu"},
        {u8"盖", u8"gě"},        {u8"乐", u8"yuè"},         {u8"万俟", u8"mò qí"},   {u8"尉迟", u8"yù chí"},
        {u8"单于", u8"chán yú"}, {u8"长孙", u8"zhǎng sūn"}, {u8"令狐", u8"líng hú"}, {u8"澹台", u8"tán tái"},
    };
    for (const auto& [name, reading] : cases) {
        SCOPED_TRACE(name);
        const SurnameEntry* entry = embedded_data().surname(code_points(name));
        ASSERT_NE(entry, nullptr);
        std::string joined;
        for (const Syllable& syllable : entry->sounds)
            joined += (joined.empty() ? "" : " ") + syllable.marked;
        EXPECT_EQ(joined, reading);
    }
}

TEST(EmbeddedData, SurnameKinds) {
    std::size_t common = 0;
    std::size_t rare_compound = 0;
    for (const SurnameEntry& entry : embedded_data().surnames()) {
        common += entry.kind == SurnameKind::common;
        rare_compound += entry.kind == SurnameKind::rare && entry.chars.size() == 2;
    }
    EXPECT_EQ(common, 100u);
    EXPECT_GE(rare_compound, 60u);
    EXPECT_EQ(embedded_data().surname(code_points(u8"王"))->kind, SurnameKind::common);
    EXPECT_EQ(embedded_data().surname(code_points(u8"慕容"))->kind, SurnameKind::rare);
}

TEST(EmbeddedData, ElementsFollowOverrideThenRadicalThenInitial) {
    const std::pair<const char*, Element> cases[] = {
        {u8"秋", Element::metal}, // override: autumn is metal, although 禾 would say wood
        {u8"云", Element::water}, // override
        {u8"涛", Element::water}, // radical 氵
        {u8"锋", Element::metal}, // radical 钅
        {u8"林", Element::wood},  // radical 木
        {u8"炜", Element::fire},  // radical 火
        {u8"峰", Element::earth}, // radical 山
        {u8"轩", Element::metal}, // initial x
        {u8"博", Element::water}, // initial b
        {u8"婷", Element::fire},  // initial t
        {u8"凯", Element::wood},  // initial k
        {u8"宇", Element::earth}, // initial y
    };
    for (const auto& [text, element] : cases) {
        SCOPED_TRACE(text);
        const Hanzi* hanzi = embedded_data().hanzi(code_points(text).front());
        ASSERT_NE(hanzi, nullptr);
        EXPECT_EQ(hanzi->element, element);
    }
}

TEST(EmbeddedData, PoetryIndexFindsAndCitesLines) {
    const PoetryIndex& poetry = embedded_data().poetry();
    std::set<std::string> collections;
    for (const Poem& poem : poetry.poems())
        collections.insert(poem.collection);
    EXPECT_EQ(collections, (std::set<std::string>{u8"诗经", u8"楚辞", u8"唐诗", u8"宋词"}));

    const auto lines = poetry.lines_with_all(U"淑女", 3);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(poetry.citation(lines.front()), u8"《诗经·周南·关雎》：窈窕淑女，君子好逑。");
    for (std::size_t line : lines) {
        EXPECT_NE(poetry.lines()[line].text.find(u8"淑女"), std::string::npos);
    }

    const auto tang = poetry.lines_with_all(U"穷目层", 1);
    ASSERT_EQ(tang.size(), 1u);
    EXPECT_EQ(poetry.citation(tang.front()), u8"唐·王之涣《登鹳雀楼》：欲穷千里目，更上一层楼。");
    EXPECT_TRUE(poetry.lines_with_all(U"\u4E02", 5).empty());
}

TEST(PinyinSyllable, ToneAndPlainForm) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {u8"míng", 2, "ming"}, {u8"zhāng", 1, "zhang"}, {u8"lǜ", 4, "lv"},
        {u8"nǚ", 3, "nv"},     {u8"zi", 5, "zi"},       {u8"lü", 5, "lv"},
    };
    for (const auto& [syllable, tone, plain] : cases) {
        SCOPED_TRACE(syllable);
        EXPECT_EQ(syllable_tone(syllable), tone);
        EXPECT_EQ(plain_syllable(syllable), plain);
    }
}

} // namespace
} // namespace namer::service
