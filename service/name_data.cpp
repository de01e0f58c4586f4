#include "service/name_data.h"

#include <algorithm>
#include <stdexcept>

#include "base/gbk.h"
#include "service/pinyin_syllable.h"
#include "service/table_lines.h"
#include "service/utf8_text.h"

namespace namer::service {
namespace {


constexpr std::string_view element_names[] = {u8"金", u8"木", u8"水", u8"火", u8"土"};

[[noreturn]] void malformed(std::string_view table, std::string_view line) {
    throw std::runtime_error(std::string(table) + " table: malformed line \"" + std::string(line) + "\"");
}

// The one code point of a field that must hold exactly one character.
char32_t single_character(std::string_view table, const TableLine& line, std::string_view field) {
    const std::u32string codes = code_points(field);
    if (codes.size() != 1 || !is_hanzi(codes.front()))
        malformed(table, line.text);
    return codes.front();
}

Element element_from_name(std::string_view table, const TableLine& line, std::string_view name) {
    for (int i = 0; i < 5; ++i)
        if (element_names[i] == name)
            return static_cast<Element>(i + 1);
    malformed(table, line.text);
}

int positive_number(std::string_view table, const TableLine& line, std::string_view text) {
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9' || value > 1000)
            malformed(table, line.text);
        value = value * 10 + (c - '0');
    }
    if (text.empty() || value == 0)
        malformed(table, line.text);
    return value;
}

std::vector<std::string> split_readings(std::string_view text, char separator) {
    std::vector<std::string> readings;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find(separator, start);
        const std::string_view part = text.substr(start, end == text.npos ? text.npos : end - start);
        if (!part.empty())
            readings.emplace_back(part);
        if (end == text.npos)
            break;
        start = end + 1;
    }
    return readings;
}

// Two syllable keys as one non-zero number for the set of homophone openings.
std::uint64_t opening_key(std::uint64_t first, std::uint64_t second) {
    return ((first * 0x9E3779B97F4A7C15ULL) ^ (second + 0x632BE59BD9B4E019ULL)) * 0xBF58476D1CE4E5B9ULL | 1;
}

// Clause breaks inside a line of poetry: a given name is taken from within one clause.
bool is_clause_break(char32_t code) {
    return !is_hanzi(code);
}

} // namespace

std::string_view element_name(Element element) {
    return element_names[static_cast<int>(element) - 1];
}

Element overcoming_element(Element element) {
    switch (element) {
    case Element::metal:
        return Element::fire;
    case Element::wood:
        return Element::metal;
    case Element::water:
        return Element::earth;
    case Element::fire:
        return Element::water;
    case Element::earth:
        return Element::wood;
    }
    return Element::earth;
}

NameData::NameData(const DataTables& tables) : poetry_(tables.poetry) {
    read_hanzi(tables.hanzi);
    read_blocklist(tables.blocklist);
    read_pool(tables.pool);
    read_surnames(tables.surnames);
    read_homophones(tables.homophones);
    find_poetry_pairs();
    group_candidates();
}

std::shared_ptr<const NameData> NameData::load_embedded() {
    return std::make_shared<const NameData>(embedded_tables());
}

void NameData::read_hanzi(std::string_view table) {
    const auto lines = table_lines(table);
    hanzi_.reserve(lines.size());
    for (const TableLine& line : lines) {
        if (line.fields.size() != 4)
            malformed("hanzi", line.text);
        Hanzi hanzi;
        hanzi.code = single_character("hanzi", line, line.fields[0]);
        hanzi.text = std::string(line.fields[0]);
        hanzi.gbk = gbk_from_utf8(hanzi.text);
        hanzi.readings = split_readings(line.fields[1], ',');
        hanzi.strokes = positive_number("hanzi", line, line.fields[2]);
        hanzi.element = element_from_name("hanzi", line, line.fields[3]);
        if (hanzi.readings.empty() || !hanzi_index_.emplace(hanzi.code, hanzi_.size()).second)
            malformed("hanzi", line.text);
        hanzi_.push_back(std::move(hanzi));
    }
}

void NameData::read_blocklist(std::string_view table) {
    for (const TableLine& line : table_lines(table))
        for (std::string_view word : split_words(line.text))
            for (char32_t code : code_points(word))
                if (is_hanzi(code))
                    blocked_.insert(code);
}

void NameData::read_pool(std::string_view table) {
    const auto lines = table_lines(table);
    pool_.reserve(lines.size());
    for (const TableLine& line : lines) {
        if (line.fields.size() != 6)
            malformed("name pool", line.text);
        PoolCharacter entry;
        const char32_t code = single_character("name pool", line, line.fields[0]);
        entry.hanzi = hanzi(code);
        entry.code = code;
        if (!entry.hanzi || entry.hanzi->gbk.size() != 2)
            malformed("name pool", line.text);
        entry.gbk[0] = entry.hanzi->gbk[0];
        entry.gbk[1] = entry.hanzi->gbk[1];
        entry.sound = make_syllable(line.fields[1]);
        const std::string_view lean = line.fields[2];
        const std::string_view use = line.fields[3];
        if (!entry.hanzi || entry.sound.plain.empty() || (lean != "m" && lean != "f" && lean != "n"))
            malformed("name pool", line.text);
        entry.lean = lean == "m" ? Lean::male : lean == "f" ? Lean::female : Lean::neutral;
        entry.element = entry.hanzi->element;
        // A blocked character keeps its meaning for the meaning page but is never proposed; nor is one beyond
        // GB2312, whose reading the client's pinyin column cannot show.
        const bool usable = !is_blocked(code) && is_gb2312_text(std::string(entry.gbk, 2));
        entry.formal = usable && use.find('f') != use.npos;
        entry.doubled_formal = usable && use.find('d') != use.npos;
        entry.pet = usable && use.find('p') != use.npos;
        entry.doubled_pet = usable && use.find('r') != use.npos;
        entry.prefix = usable && use.find('a') != use.npos;
        entry.core = entry.formal && use.find('c') != use.npos;
        entry.uncommon = entry.formal && !entry.core && use.find('u') != use.npos;
        entry.blocked = !usable;
        entry.meaning = std::string(line.fields[4]);
        entry.wish = std::string(line.fields[5]);
        if (!pool_index_.emplace(code, pool_.size()).second)
            malformed("name pool", line.text);
        pool_.push_back(std::move(entry));
    }
}

void NameData::read_surnames(std::string_view table) {
    for (const TableLine& line : table_lines(table)) {
        if (line.fields.size() != 3)
            malformed("surname", line.text);
        SurnameEntry entry;
        entry.text = std::string(line.fields[0]);
        entry.gbk = gbk_from_utf8(entry.text);
        entry.chars = code_points(entry.text);
        for (const std::string& reading : split_readings(line.fields[1], ' '))
            entry.sounds.push_back(make_syllable(reading));
        const std::string_view kind = line.fields[2];
        if (entry.chars.empty() || entry.chars.size() > 2 || entry.sounds.size() != entry.chars.size() ||
            (kind != "c" && kind != "r" && kind != "o"))
            malformed("surname", line.text);
        entry.kind = kind == "c" ? SurnameKind::common : kind == "r" ? SurnameKind::rare : SurnameKind::obscure;
        if (!surname_index_.emplace(entry.chars, surnames_.size()).second)
            malformed("surname", line.text);
        surnames_.push_back(std::move(entry));
    }
}

void NameData::read_homophones(std::string_view table) {
    for (const TableLine& line : table_lines(table)) {
        if (line.fields.size() != 2)
            malformed("homophone", line.text);
        Homophone entry;
        for (std::string_view syllable : split_words(line.fields[0])) {
            entry.syllables.push_back(plain_syllable(syllable));
            entry.keys.push_back(syllable_key(entry.syllables.back()));
        }
        entry.heard_as = std::string(line.fields[1]);
        if (entry.syllables.size() < 2)
            malformed("homophone", line.text);
        homophones_.push_back(std::move(entry));
    }
    homophone_openings_.assign(256, 0);
    while (homophone_openings_.size() < homophones_.size() * 4)
        homophone_openings_.assign(homophone_openings_.size() * 2, 0);
    for (const Homophone& homophone : homophones_) {
        homophone_starts_.emplace_back(homophone.keys.front(), &homophone);
        const std::uint64_t opening = opening_key(homophone.keys[0], homophone.keys[1]);
        const std::size_t mask = homophone_openings_.size() - 1;
        std::size_t at = static_cast<std::size_t>(opening >> 20) & mask;
        while (homophone_openings_[at] != 0 && homophone_openings_[at] != opening)
            at = (at + 1) & mask;
        homophone_openings_[at] = opening;
    }
    std::sort(homophone_starts_.begin(), homophone_starts_.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
}

bool NameData::may_begin_homophone(std::uint64_t first, std::uint64_t second) const {
    const std::uint64_t opening = opening_key(first, second);
    const std::size_t mask = homophone_openings_.size() - 1;
    for (std::size_t at = static_cast<std::size_t>(opening >> 20) & mask;; at = (at + 1) & mask) {
        if (homophone_openings_[at] == opening)
            return true;
        if (homophone_openings_[at] == 0)
            return false;
    }
}

std::pair<const std::pair<std::uint64_t, const Homophone*>*, const std::pair<std::uint64_t, const Homophone*>*>
NameData::homophones_starting(std::uint64_t key) const {
    const auto* begin = homophone_starts_.data();
    const auto* end = begin + homophone_starts_.size();
    const auto* low =
        std::lower_bound(begin, end, key, [](const auto& entry, std::uint64_t k) { return entry.first < k; });
    const auto* high = low;
    while (high != end && high->first == key)
        ++high;
    return {low, high};
}

void NameData::find_poetry_pairs() {
    // Two formal pool characters side by side within a clause: "明月松间照" gives 明月 (if both are in the pool).
    constexpr std::size_t reach = 1;
    for (const PoetryLine& line : poetry_.lines()) {
        const std::u32string codes = code_points(line.text);
        for (std::size_t i = 0; i < codes.size(); ++i) {
            const PoolCharacter* first = pool_character(codes[i]);
            if (!first || !first->formal)
                continue;
            for (std::size_t j = i + 1; j < codes.size() && j <= i + reach; ++j) {
                if (is_clause_break(codes[j]))
                    break;
                const PoolCharacter* second = pool_character(codes[j]);
                if (!second || !second->formal || second == first)
                    continue;
                for (Lean gender : {Lean::male, Lean::female}) {
                    const auto fits = [gender](const PoolCharacter* entry) {
                        return entry->lean == gender || entry->lean == Lean::neutral;
                    };
                    if (fits(first) && fits(second) && (first->lean == gender || second->lean == gender))
                        (gender == Lean::male ? male_pairs_ : female_pairs_).push_back({first, second});
                }
            }
        }
    }
}

void CharacterTiers::add(const PoolCharacter* entry) {
    (entry->core ? core : entry->uncommon ? uncommon : regular).push_back(entry);
}

void NameData::group_candidates() {
    for (int side = 0; side < 2; ++side) {
        const Lean gender = side == 0 ? Lean::male : Lean::female;
        for (int number = 0; number <= 5; ++number) {
            CandidateSet& set = candidate_sets_[side][number];
            for (const PoolCharacter& entry : pool_) {
                if (!entry.formal || (entry.lean != gender && entry.lean != Lean::neutral))
                    continue;
                const Element own = entry.hanzi->element;
                if (number > 0 && own == overcoming_element(static_cast<Element>(number)))
                    continue;
                set.fitting.add(&entry);
                if (entry.lean == gender)
                    set.leaning.add(&entry);
                if (number > 0 && own == static_cast<Element>(number))
                    set.element.add(&entry);
            }
        }
    }
}

const CandidateSet& NameData::candidates(Lean gender, const Element* element) const {
    return candidate_sets_[gender == Lean::female ? 1 : 0][element ? static_cast<int>(*element) : 0];
}

const Hanzi* NameData::hanzi(char32_t code) const {
    const auto found = hanzi_index_.find(code);
    return found == hanzi_index_.end() ? nullptr : &hanzi_[found->second];
}

const PoolCharacter* NameData::pool_character(char32_t code) const {
    const auto found = pool_index_.find(code);
    return found == pool_index_.end() ? nullptr : &pool_[found->second];
}

bool is_gb2312_text(const std::string& gbk) {
    if (gbk.empty() || gbk.size() % 2 != 0)
        return false;
    for (std::size_t i = 0; i < gbk.size(); i += 2) {
        const auto lead = static_cast<unsigned char>(gbk[i]), trail = static_cast<unsigned char>(gbk[i + 1]);
        if (lead < 0xB0 || lead > 0xF7 || trail < 0xA1 || trail > 0xFE)
            return false;
    }
    return true;
}

const SurnameEntry* NameData::surname(std::u32string_view chars) const {
    const auto found = surname_index_.find(std::u32string(chars));
    return found == surname_index_.end() ? nullptr : &surnames_[found->second];
}

std::string NameData::reading_of(char32_t code) const {
    if (const PoolCharacter* entry = pool_character(code))
        return entry->sound.marked;
    if (const Hanzi* entry = hanzi(code))
        return entry->readings.front();
    return std::string();
}

} // namespace namer::service
