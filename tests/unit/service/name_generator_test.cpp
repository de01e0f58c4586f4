#include <gtest/gtest.h>

#include <set>

#include "service/given_name_pools.h"
#include "service/name_generator.h"
#include "service/name_rules.h"
#include "service/utf8_text.h"
#include "service_test_support.h"

namespace namer::service {
namespace {

using testing::embedded_data;
using testing::gbk;

constexpr std::uint64_t seed = 20240611;

Surname surname_of(const char* text) {
    return read_surname_field(embedded_data(), gbk(text)).surname;
}

std::vector<const PoolCharacter*> given_characters(const ProposedName& name) {
    std::vector<const PoolCharacter*> given;
    for (char32_t code : code_points(name.given()))
        given.push_back(embedded_data().pool_character(code));
    return given;
}

Lean lean_of(Gender gender) {
    return gender == Gender::male ? Lean::male : Lean::female;
}

// What every list obeys: no name twice, GBK and UTF-8 agree, the rules hold.
void expect_sound_list(const std::vector<ProposedName>& names, const Surname& surname) {
    std::set<std::string> seen;
    for (const ProposedName& name : names) {
        SCOPED_TRACE(name.full());
        EXPECT_TRUE(seen.insert(name.full()).second) << "twice in the list";
        EXPECT_EQ(name.surname(), surname.text);
        const auto given = given_characters(name);
        for (const PoolCharacter* entry : given) {
            ASSERT_NE(entry, nullptr);
            EXPECT_FALSE(embedded_data().is_blocked(entry->hanzi->code));
            EXPECT_TRUE(is_gb2312_text(std::string(entry->gbk, 2))) << "the client shows no pinyin for it";
            EXPECT_EQ(surname.chars.find(entry->hanzi->code), std::u32string::npos);
        }
        const NameSound sound = name_sound(surname, given);
        EXPECT_FALSE(tones_all_same(sound));
        EXPECT_EQ(unfortunate_sound(embedded_data(), sound), nullptr);
    }
}

// A formal given name for the gender: characters of the formal pool that lean that way or are neutral, at least
// one leaning that way.
void expect_formal_for(const ProposedName& name, Gender gender) {
    SCOPED_TRACE(name.full());
    bool leaning = false;
    for (const PoolCharacter* entry : given_characters(name)) {
        EXPECT_TRUE(entry->formal);
        EXPECT_TRUE(entry->lean == lean_of(gender) || entry->lean == Lean::neutral);
        leaning = leaning || entry->lean == lean_of(gender);
    }
    EXPECT_TRUE(leaning);
}

const GivenNamePools& pools() {
    static const GivenNamePools built(embedded_data());
    return built;
}

TEST(GivenNamePools, HoldDistinctNamesThatPassWithoutASurname) {
    for (Gender gender : {Gender::male, Gender::female}) {
        const auto& pool = pools().pool(gender);
        EXPECT_EQ(pool.size(), GivenNamePools::names_per_gender);
        std::set<std::pair<char32_t, char32_t>> seen;
        for (const auto& given : pool) {
            EXPECT_TRUE(seen.insert({given[0]->code, given[1]->code}).second);
            EXPECT_TRUE(acceptable_name(embedded_data(), Surname{}, given.data(), given.size()));
        }
    }
}

TEST(NameGenerator, FreeNamesHaveTheCountLengthAndGenderAsked) {
    struct Case {
        const char* surname;
        Gender gender;
        int full_length;
        int count;
    };
    const Case cases[] = {
        {u8"张", Gender::male, 2, 100},   {u8"张", Gender::female, 3, 200},   {u8"曾", Gender::female, 2, 200},
        {u8"欧阳", Gender::male, 3, 100}, {u8"欧阳", Gender::female, 2, 100}, {"", Gender::male, 3, 200},
        {"", Gender::female, 2, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.surname) + (c.gender == Gender::male ? " male " : " female ") +
                     std::to_string(c.full_length));
        const Surname surname = surname_of(c.surname);
        const int given_length = given_length_for(c.full_length, surname);
        for (const GivenNamePools* walked : {static_cast<const GivenNamePools*>(nullptr), &pools()}) {
            SCOPED_TRACE(walked ? "from the pools" : "drawn afresh");
            const auto names =
                NameGenerator(embedded_data(), seed, walked).free_names(surname, c.gender, given_length, c.count);
            ASSERT_EQ(static_cast<int>(names.size()), c.count);
            expect_sound_list(names, surname);
            for (const ProposedName& name : names) {
                EXPECT_EQ(code_points(name.given()).size(), static_cast<std::size_t>(given_length));
                expect_formal_for(name, c.gender);
            }
        }
    }
}

TEST(NameGenerator, ElementNamesHoldTheElementAndNotItsEnemy) {
    for (int number = 1; number <= 5; ++number) {
        for (Gender gender : {Gender::male, Gender::female}) {
            for (int given_length : {1, 2}) {
                const auto element = static_cast<Element>(number);
                SCOPED_TRACE(std::string(element_name(element)) + std::to_string(given_length) +
                             (gender == Gender::male ? " male" : " female"));
                const Surname surname = surname_of(u8"李");
                const auto names =
                    NameGenerator(embedded_data(), seed).element_names(surname, gender, given_length, element, 20);
                ASSERT_EQ(names.size(), 20u);
                expect_sound_list(names, surname);
                for (const ProposedName& name : names) {
                    SCOPED_TRACE(name.full());
                    expect_formal_for(name, gender);
                    bool has_element = false;
                    for (const PoolCharacter* entry : given_characters(name)) {
                        has_element = has_element || entry->hanzi->element == element;
                        EXPECT_NE(entry->hanzi->element, overcoming_element(element));
                    }
                    EXPECT_TRUE(has_element);
                }
            }
        }
    }
}

TEST(NameGenerator, DoubledNamesRepeatOneCharacter) {
    for (const char* text : {u8"王", u8"欧阳", ""}) {
        SCOPED_TRACE(text);
        const Surname surname = surname_of(text);
        const auto names = NameGenerator(embedded_data(), seed).doubled_names(surname, 10);
        ASSERT_EQ(names.size(), 10u);
        expect_sound_list(names, surname);
        for (const ProposedName& name : names) {
            const auto given = given_characters(name);
            ASSERT_EQ(given.size(), 2u);
            EXPECT_EQ(given[0], given[1]);
            EXPECT_TRUE(given[0]->doubled_formal);
        }
    }
}

TEST(NameGenerator, PetNamesSoundLikePetNames) {
    const auto names = NameGenerator(embedded_data(), seed).pet_names(20);
    ASSERT_EQ(names.size(), 20u);
    expect_sound_list(names, Surname{});
    int doubled = 0;
    for (const ProposedName& name : names) {
        SCOPED_TRACE(name.full());
        const auto given = given_characters(name);
        ASSERT_EQ(given.size(), 2u);
        if (given[0] == given[1]) {
            EXPECT_TRUE(given[0]->doubled_pet); // 朵朵
            ++doubled;
        } else {
            EXPECT_TRUE(given[0]->prefix); // 小满, 阿福
            EXPECT_TRUE(given[1]->pet);
        }
    }
    EXPECT_GT(doubled, 0);
    EXPECT_LT(doubled, 20);
}

TEST(NameGenerator, NovelNamesFollowLengthSurnameKindAndGenderOrder) {
    struct Case {
        NovelLength length;
        bool common;
        bool apart;
        int count;
    };
    const Case cases[] = {
        {NovelLength::two, true, false, 100},    {NovelLength::three, true, true, 200},
        {NovelLength::mixed, false, false, 200}, {NovelLength::two, false, true, 100},
        {NovelLength::three, false, false, 101},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.length)) + (c.common ? " common" : " rare") +
                     (c.apart ? " apart" : " mixed"));
        const auto names = NameGenerator(embedded_data(), seed).novel_names(c.length, c.common, c.apart, c.count);
        ASSERT_EQ(static_cast<int>(names.size()), c.count);
        std::set<std::string> seen;
        std::set<std::size_t> lengths;
        bool compound = false;
        for (std::size_t i = 0; i < names.size(); ++i) {
            const ProposedName& name = names[i];
            EXPECT_TRUE(is_gb2312_text(name.gbk)) << name.full() << ": the client shows no pinyin for it";
            SCOPED_TRACE(name.full());
            EXPECT_TRUE(seen.insert(name.full()).second);
            const SurnameEntry* entry = embedded_data().surname(code_points(name.surname()));
            ASSERT_NE(entry, nullptr);
            EXPECT_EQ(entry->kind, c.common ? SurnameKind::common : SurnameKind::rare);
            compound = compound || entry->chars.size() == 2;
            const std::size_t length = code_points(name.full()).size();
            lengths.insert(length);
            if (c.length == NovelLength::two) {
                EXPECT_EQ(length, 2u);
            }
            if (c.length == NovelLength::three) {
                EXPECT_EQ(length, 3u);
            }
            if (c.apart) {
                EXPECT_EQ(name.gender, i < names.size() - names.size() / 2 ? Gender::male : Gender::female);
            }
            expect_formal_for(name, name.gender);
            const Surname surname = surname_from_entry(*entry);
            EXPECT_FALSE(tones_all_same(name_sound(surname, given_characters(name))));
            EXPECT_EQ(unfortunate_sound(embedded_data(), name_sound(surname, given_characters(name))), nullptr);
        }
        if (c.length == NovelLength::mixed) {
            EXPECT_EQ(lengths, (std::set<std::size_t>{2, 3}));
        }
        if (!c.common && c.length != NovelLength::two) {
            EXPECT_TRUE(compound) << "rare surnames include compound ones";
        }
    }
}

TEST(NameGenerator, SameSeedSameNamesOtherSeedOtherNames) {
    const Surname surname = surname_of(u8"陈");
    const auto first = NameGenerator(embedded_data(), 7, &pools()).free_names(surname, Gender::female, 2, 50);
    const auto again = NameGenerator(embedded_data(), 7, &pools()).free_names(surname, Gender::female, 2, 50);
    const auto other = NameGenerator(embedded_data(), 8, &pools()).free_names(surname, Gender::female, 2, 50);
    auto texts = [](const std::vector<ProposedName>& names) {
        std::vector<std::string> out;
        for (const ProposedName& name : names)
            out.push_back(name.full());
        return out;
    };
    EXPECT_EQ(texts(first), texts(again));
    EXPECT_NE(texts(first), texts(other));
}

TEST(NameGenerator, ReturnsWhatThePoolAllowsWhenAskedForTooMany) {
    // Doubled names come from a few dozen characters: asking for a thousand gives each of them once.
    const auto names = NameGenerator(embedded_data(), seed).doubled_names(surname_of(u8"刘"), 1000);
    std::size_t doubled = 0;
    for (const PoolCharacter& entry : embedded_data().pool())
        doubled += entry.doubled_formal;
    EXPECT_LT(names.size(), 1000u);
    EXPECT_LE(names.size(), doubled);
    EXPECT_GT(names.size(), doubled / 2);
}

} // namespace
} // namespace namer::service
