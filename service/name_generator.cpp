#include "service/name_generator.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "base/gbk.h"
#include "service/given_name_pools.h"
#include "service/name_rules.h"
#include "service/utf8_text.h"

namespace namer::service {
namespace {

// Share of two-character given names taken from lines of poetry; the rest are free combinations.
constexpr double free_poetry_share = 0.4;
constexpr double element_poetry_share = 0.3;
constexpr double novel_poetry_share = 0.5;

// Share of freely combined characters drawn from the core characters typical of today's names: the first
// character, the second one, and a one-character given name.
constexpr double core_share_first = 0.8;
constexpr double core_share_second = 0.6;
constexpr double core_share_single = 0.7;

// Of the characters drawn outside the core, the share taken from the uncommon ones.
constexpr double uncommon_share = 0.15;

Lean lean_of(Gender gender) {
    return gender == Gender::male ? Lean::male : Lean::female;
}

// A character fits a gender when it leans that way or is neutral.
bool fits(const PoolCharacter* entry, Gender gender) {
    return entry->lean == lean_of(gender) || entry->lean == Lean::neutral;
}

int attempts_for(int count) {
    return count * 40 + 200;
}

// A name as one number: its code points (all within GBK, so below 0x10000), sixteen bits each. Names of the lists
// have at most four characters.
std::uint64_t name_key(const Surname& surname, std::initializer_list<const PoolCharacter*> given) {
    std::uint64_t key = 0;
    for (char32_t code : surname.chars)
        key = key << 16 | (code & 0xFFFF);
    for (const PoolCharacter* entry : given)
        key = key << 16 | (entry->code & 0xFFFF);
    return key;
}

} // namespace

std::string ProposedName::full() const {
    return utf8_from_gbk(gbk);
}

std::string ProposedName::surname() const {
    return utf8_from_code_points(code_points(full()).substr(0, surname_length));
}

std::string ProposedName::given() const {
    return utf8_from_code_points(code_points(full()).substr(surname_length));
}

NameGenerator::NameGenerator(const NameData& data, std::uint64_t seed, const GivenNamePools* pools)
    : data_(data), pools_(pools), random_(seed) {}

template <typename T> const T& NameGenerator::pick(const std::vector<T>& items) {
    return items[random_.below(items.size())];
}

bool NameGenerator::chance(double probability) {
    return random_.chance(probability);
}

const PoolCharacter* NameGenerator::pick_from(const CharacterTiers& group, double core_share) {
    const std::vector<const PoolCharacter*>* lists[] = {&group.core, &group.regular, &group.uncommon};
    std::size_t first = 2;
    if (chance(core_share))
        first = 0;
    else if (!chance(uncommon_share))
        first = 1;
    // Fall back on the next list that holds anything when the drawn one is empty.
    for (std::size_t k = 0; k < 3; ++k) {
        const auto* list = lists[(first + k) % 3];
        if (!list->empty())
            return pick(*list);
    }
    return nullptr;
}

bool NameGenerator::add_name(const Surname& surname, std::initializer_list<const PoolCharacter*> given, Gender gender,
                             std::vector<ProposedName>& names) {
    const std::uint64_t key = name_key(surname, given);
    const std::size_t slot = seen_.slot(key);
    if (seen_.holds(slot) || !acceptable_name(data_, surname, given.begin(), given.size()))
        return false;
    seen_.fill(slot, key);
    append_name(surname, given.begin(), given.size(), gender, names);
    return true;
}

void NameGenerator::append_name(const Surname& surname, const PoolCharacter* const* given, std::size_t count,
                                Gender gender, std::vector<ProposedName>& names) {
    // Surnames are at most two characters (four bytes); given names here are at most two as well.
    char bytes[8];
    std::size_t length = surname.gbk.copy(bytes, 4);
    for (std::size_t i = 0; i < count && i < 2; ++i) {
        bytes[length++] = given[i]->gbk[0];
        bytes[length++] = given[i]->gbk[1];
    }
    names.push_back(ProposedName{std::string(bytes, length), surname.chars.size(), gender});
}

bool NameGenerator::try_given_name(const Surname& surname, Gender gender, int given_length, const Element* element,
                                   double poetry_share, const CandidateSet& candidates,
                                   std::vector<ProposedName>& names) {
    if (given_length == 1) {
        const PoolCharacter* only = pick_from(element ? candidates.element : candidates.leaning, core_share_single);
        if (!only || only->lean != lean_of(gender))
            return false;
        return add_name(surname, {only}, gender, names);
    }

    const auto [first, second] = draw_pair(gender, element, poetry_share, candidates);
    if (!first)
        return false;
    return add_name(surname, {first, second}, gender, names);
}

std::pair<const PoolCharacter*, const PoolCharacter*>
NameGenerator::draw_pair(Gender gender, const Element* element, double poetry_share, const CandidateSet& candidates) {
    const std::pair<const PoolCharacter*, const PoolCharacter*> none{nullptr, nullptr};
    const PoolCharacter* first = nullptr;
    const PoolCharacter* second = nullptr;
    const std::vector<PoetryPair>& pairs = data_.poetry_pairs(lean_of(gender));
    if (!pairs.empty() && chance(poetry_share)) {
        const PoetryPair& pair = pick(pairs);
        first = pair.first;
        second = pair.second;
    } else {
        first = pick_from(element ? candidates.element : candidates.leaning, core_share_first);
        second = pick_from(candidates.fitting, core_share_second);
        if (!first || !second)
            return none;
        if (chance(0.5))
            std::swap(first, second);
    }
    if (first == second || !fits(first, gender) || !fits(second, gender))
        return none;
    if (first->lean != lean_of(gender) && second->lean != lean_of(gender))
        return none;
    if (element) {
        const Element overcoming = overcoming_element(*element);
        if ((first->element != *element && second->element != *element) || first->element == overcoming ||
            second->element == overcoming)
            return none;
    }
    return {first, second};
}

std::pair<const PoolCharacter*, const PoolCharacter*> NameGenerator::draw_free_pair(Gender gender) {
    return draw_pair(gender, nullptr, free_poetry_share, data_.candidates(lean_of(gender), nullptr));
}

std::vector<ProposedName> NameGenerator::walk_pool(const Surname& surname, Gender gender, int count) {
    const auto& pool = pools_->pool(gender);
    std::vector<ProposedName> names;
    names.reserve(static_cast<std::size_t>(std::max(count, 0)));
    if (pool.empty())
        return names;
    // A random start and a random step coprime with the pool's size visit every drawn name once, in an order of
    // their own for each list; the pool holds each name once, so the list holds no name twice.
    const std::size_t size = pool.size();
    std::size_t step = 1 + 2 * random_.below(size);
    while (std::gcd(step, size) != 1)
        step += 2;
    std::size_t at = random_.below(size);
    for (std::size_t visited = 0; visited < size && static_cast<int>(names.size()) < count; ++visited) {
        const auto& given = pool[at];
        if (acceptable_with_surname(data_, surname, given.data(), given.size()))
            append_name(surname, given.data(), given.size(), gender, names);
        at = (at + step) % size;
    }
    return names;
}

std::vector<ProposedName> NameGenerator::given_names(const Surname& surname, Gender gender, int given_length,
                                                     const Element* element, int count, double poetry_share) {
    const CandidateSet& candidates = data_.candidates(lean_of(gender), element);
    std::vector<ProposedName> names;
    names.reserve(static_cast<std::size_t>(std::max(count, 0)));
    seen_.reset(static_cast<std::size_t>(std::max(count, 0)));
    for (int attempts = attempts_for(count); attempts > 0 && static_cast<int>(names.size()) < count; --attempts)
        try_given_name(surname, gender, given_length, element, poetry_share, candidates, names);
    return names;
}

std::vector<ProposedName> NameGenerator::free_names(const Surname& surname, Gender gender, int given_length,
                                                    int count) {
    if (given_length == 2 && pools_)
        return walk_pool(surname, gender, count);
    return given_names(surname, gender, given_length, nullptr, count, free_poetry_share);
}

std::vector<ProposedName> NameGenerator::element_names(const Surname& surname, Gender gender, int given_length,
                                                       Element element, int count) {
    return given_names(surname, gender, given_length, &element, count, element_poetry_share);
}

std::vector<ProposedName> NameGenerator::doubled_names(const Surname& surname, int count) {
    std::vector<const PoolCharacter*> doubled;
    for (const PoolCharacter& entry : data_.pool())
        if (entry.doubled_formal)
            doubled.push_back(&entry);
    std::vector<ProposedName> names;
    names.reserve(static_cast<std::size_t>(std::max(count, 0)));
    seen_.reset(static_cast<std::size_t>(std::max(count, 0)));
    for (int attempts = attempts_for(count); attempts > 0 && static_cast<int>(names.size()) < count && !doubled.empty();
         --attempts) {
        const PoolCharacter* entry = pick(doubled);
        const Gender gender = entry->lean == Lean::female ? Gender::female
                              : entry->lean == Lean::male ? Gender::male
                                                          : (chance(0.5) ? Gender::female : Gender::male);
        add_name(surname, {entry, entry}, gender, names);
    }
    return names;
}

std::vector<ProposedName> NameGenerator::pet_names(int count) {
    std::vector<const PoolCharacter*> doubled;
    std::vector<const PoolCharacter*> after_prefix;
    std::vector<const PoolCharacter*> prefixes;
    for (const PoolCharacter& entry : data_.pool()) {
        if (entry.doubled_pet)
            doubled.push_back(&entry);
        if (entry.pet)
            after_prefix.push_back(&entry);
        if (entry.prefix)
            prefixes.push_back(&entry);
    }
    const Surname none;
    std::vector<ProposedName> names;
    names.reserve(static_cast<std::size_t>(std::max(count, 0)));
    seen_.reset(static_cast<std::size_t>(std::max(count, 0)));
    for (int attempts = attempts_for(count); attempts > 0 && static_cast<int>(names.size()) < count; --attempts) {
        const bool use_prefix = !prefixes.empty() && !after_prefix.empty() && (doubled.empty() || chance(0.5));
        if (use_prefix) {
            const PoolCharacter* entry = pick(after_prefix);
            add_name(none, {pick(prefixes), entry}, entry->lean == Lean::male ? Gender::male : Gender::female, names);
        } else if (!doubled.empty()) {
            const PoolCharacter* entry = pick(doubled);
            add_name(none, {entry, entry}, entry->lean == Lean::male ? Gender::male : Gender::female, names);
        }
    }
    return names;
}

std::size_t NameGenerator::random_surname(const std::vector<const SurnameEntry*>& surnames, int full_length) {
    // A two-character name leaves room for a one-character surname only.
    for (;;) {
        const std::size_t index = random_.below(surnames.size());
        if (full_length == 3 || surnames[index]->chars.size() == 1)
            return index;
    }
}

std::vector<ProposedName> NameGenerator::novel_names(NovelLength length, bool common_surnames, bool genders_apart,
                                                     int count) {
    const SurnameKind wanted = common_surnames ? SurnameKind::common : SurnameKind::rare;
    std::vector<const SurnameEntry*> surnames;
    bool has_single = false;
    for (const SurnameEntry& entry : data_.surnames()) {
        const bool pleasant =
            std::none_of(entry.chars.begin(), entry.chars.end(), [&](char32_t code) { return data_.is_blocked(code); });
        // A rare surname that is also a typical given-name character (文, 秋) would read as a given name.
        const PoolCharacter* as_given = entry.chars.size() == 1 ? data_.pool_character(entry.chars[0]) : nullptr;
        const bool reads_as_given = entry.kind == SurnameKind::rare && as_given && as_given->core;
        // The client's pinyin column reads GB2312 characters only.
        const bool readable = is_gb2312_text(entry.gbk);
        if (entry.kind == wanted && pleasant && !reads_as_given && readable) {
            surnames.push_back(&entry);
            has_single = has_single || entry.chars.size() == 1;
        }
    }
    std::vector<ProposedName> names;
    names.reserve(static_cast<std::size_t>(std::max(count, 0)));
    seen_.reset(static_cast<std::size_t>(std::max(count, 0)));
    if (surnames.empty() || !has_single)
        return names;

    std::vector<std::optional<Surname>> ready(surnames.size());
    const int male_count = genders_apart ? (count + 1) / 2 : 0;
    for (int attempts = attempts_for(count); attempts > 0 && static_cast<int>(names.size()) < count; --attempts) {
        Gender gender;
        if (genders_apart)
            gender = static_cast<int>(names.size()) < male_count ? Gender::male : Gender::female;
        else
            gender = chance(0.5) ? Gender::male : Gender::female;
        const int full_length = length == NovelLength::two     ? 2
                                : length == NovelLength::three ? 3
                                                               : (chance(0.5) ? 2 : 3);
        // Each surname is made ready once for the list.
        const std::size_t index = random_surname(surnames, full_length);
        if (!ready[index])
            ready[index] = surname_from_entry(*surnames[index]);
        const Surname& surname = *ready[index];
        const int given_length = full_length - static_cast<int>(surname.chars.size());
        try_given_name(surname, gender, given_length, nullptr, novel_poetry_share,
                       data_.candidates(lean_of(gender), nullptr), names);
    }
    return names;
}

} // namespace namer::service
