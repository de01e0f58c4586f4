#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "service/name_data.h"
#include "service/name_random.h"
#include "service/surname.h"

namespace namer::service {

enum class Gender { male, female };

// One proposed name, kept in GBK as the page needs it: the surname (possibly empty) and then the given name.
struct ProposedName {
    std::string gbk;
    std::size_t surname_length = 0; // characters of the surname at the start
    Gender gender = Gender::male;

    // The name, its surname and its given name in UTF-8.
    std::string full() const;
    std::string surname() const;
    std::string given() const;
};

// How long the names of a fiction list are: two characters, three, or a mix of both.
enum class NovelLength { two, three, mixed };

class GivenNamePools;

// Proposes names from the pool. Every list it returns holds no name twice and only names that pass
// acceptable_name; it holds fewer names than asked only when the pool cannot give more. The same seed and the
// same calls give the same names.
class NameGenerator {
public:
    // With pools, general lists of two-character given names walk them (see GivenNamePools) instead of drawing
    // each name afresh.
    NameGenerator(const NameData& data, std::uint64_t seed, const GivenNamePools* pools = nullptr);

    // General names: a given name of `given_length` (1 or 2) characters leaning to the gender, many of them two
    // characters that stand together in a line of poetry.
    std::vector<ProposedName> free_names(const Surname& surname, Gender gender, int given_length, int count);

    // Names for a child whose chart lacks an element: a given character of that element and none of the element
    // that overcomes it.
    std::vector<ProposedName> element_names(const Surname& surname, Gender gender, int given_length, Element element,
                                            int count);

    // A doubled given name (婷婷, 思思), girls' and boys' mixed.
    std::vector<ProposedName> doubled_names(const Surname& surname, int count);

    // Pet names: a doubled character (朵朵), or 小 or 阿 before one (小满, 阿福).
    std::vector<ProposedName> pet_names(int count);

    // Names for fiction: common or rare surnames (compound ones among the rare), the gender mixed or the male
    // names first and then the female ones.
    std::vector<ProposedName> novel_names(NovelLength length, bool common_surnames, bool genders_apart, int count);

    // One two-character given name drawn as general lists draw them, before any rule is applied: nulls when the
    // draw misses. GivenNamePools fills its pools with it.
    std::pair<const PoolCharacter*, const PoolCharacter*> draw_free_pair(Gender gender);

private:
    std::vector<ProposedName> given_names(const Surname& surname, Gender gender, int given_length,
                                          const Element* element, int count, double poetry_share);
    bool try_given_name(const Surname& surname, Gender gender, int given_length, const Element* element,
                        double poetry_share, const CandidateSet& candidates, std::vector<ProposedName>& names);
    std::pair<const PoolCharacter*, const PoolCharacter*>
    draw_pair(Gender gender, const Element* element, double poetry_share, const CandidateSet& candidates);
    std::vector<ProposedName> walk_pool(const Surname& surname, Gender gender, int count);
    void append_name(const Surname& surname, const PoolCharacter* const* given, std::size_t count, Gender gender,
                     std::vector<ProposedName>& names);
    bool add_name(const Surname& surname, std::initializer_list<const PoolCharacter*> given, Gender gender,
                  std::vector<ProposedName>& names);
    // The index of a surname from `surnames` that leaves room in a name of `full_length` characters.
    std::size_t random_surname(const std::vector<const SurnameEntry*>& surnames, int full_length);
    template <typename T> const T& pick(const std::vector<T>& items);
    const PoolCharacter* pick_from(const CharacterTiers& group, double core_share);
    bool chance(double probability);

    const NameData& data_;
    const GivenNamePools* pools_;
    NameRandom random_;
    NameKeySet seen_; // the names already in the list being built, as name_key
};

} // namespace namer::service
