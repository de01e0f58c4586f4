#pragma once
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "service/data_tables.h"
#include "service/pinyin_syllable.h"
#include "service/poetry_index.h"

namespace namer::service {

// The five elements in the order the requests number them (wuxing=1 is 金 ... 5 is 土).
enum class Element { metal = 1, wood, water, fire, earth };

// "金", "木", "水", "火", "土" (UTF-8).
std::string_view element_name(Element element);

// The element that overcomes this one (金克木, 木克土, 土克水, 水克火, 火克金).
Element overcoming_element(Element element);

enum class Lean { male, female, neutral };

struct Hanzi {
    char32_t code = 0;
    std::string text;                  // UTF-8
    std::string gbk;                   // the same character in GBK
    std::vector<std::string> readings; // with tone marks, the usual one first
    int strokes = 0;
    Element element = Element::earth;
};

// A character of the curated pool, with what this project wrote about it. What name generation reads for every
// candidate comes first, so that it shares a cache line.
struct PoolCharacter {
    const Hanzi* hanzi = nullptr;
    char32_t code = 0;                // hanzi->code
    char gbk[2] = {};                 // hanzi->gbk
    Element element = Element::earth; // hanzi->element
    Lean lean = Lean::neutral;
    bool formal = false;         // proposed in formal given names
    bool doubled_formal = false; // may stand doubled in a formal name (婷婷)
    bool pet = false;            // may follow 小 or 阿 in a pet name
    bool doubled_pet = false;    // may stand doubled as a pet name (朵朵)
    bool prefix = false;         // a pet-name prefix (小, 阿)
    bool core = false;           // typical of today's names: drawn more often
    bool uncommon = false;       // an uncommon formal character: drawn rarely
    bool blocked = false;        // on the blocklist: never proposed
    Syllable sound;              // its reading in names
    std::string meaning;         // glosses separated by "；"
    std::string wish;            // what it wishes for, a short phrase
};

enum class SurnameKind { common, rare, obscure };

// True when every character of the GBK text lies in the GB2312 hanzi area (lead 0xB0-0xF7, trail 0xA1-0xFE),
// the characters whose reading the client's pinyin column shows.
bool is_gb2312_text(const std::string& gbk);

struct SurnameEntry {
    std::string text; // UTF-8
    std::string gbk;
    std::u32string chars;
    std::vector<Syllable> sounds; // readings as a surname
    SurnameKind kind = SurnameKind::rare;
};

// A sound a name must not make: plain syllables (no tone marks, ü as v) and what they are heard as.
struct Homophone {
    std::vector<std::string> syllables;
    std::vector<std::uint64_t> keys; // syllable_key of each
    std::string heard_as;
};

// Two pool characters that stand close together in a line of poetry: a given name with a source.
struct PoetryPair {
    const PoolCharacter* first = nullptr;
    const PoolCharacter* second = nullptr;
};

// Formal pool characters by how often names draw them.
struct CharacterTiers {
    std::vector<const PoolCharacter*> core;
    std::vector<const PoolCharacter*> regular;
    std::vector<const PoolCharacter*> uncommon;

    void add(const PoolCharacter* entry);
};

// The formal characters a list of names for one gender draws from. With an element asked for, `fitting` leaves out
// the characters of the element that overcomes it and `element` holds those of the element itself.
struct CandidateSet {
    CharacterTiers leaning; // leaning to the gender
    CharacterTiers fitting; // leaning to the gender or neutral
    CharacterTiers element; // fitting, of the element asked for (empty without one)
};

// Everything the service knows about characters, surnames and poetry; immutable once built.
class NameData {
public:
    // Builds the data from the tables; throws std::runtime_error when a table is malformed.
    explicit NameData(const DataTables& tables);
    NameData(const NameData&) = delete;
    NameData& operator=(const NameData&) = delete;

    // The data of the tables compiled into the library.
    static std::shared_ptr<const NameData> load_embedded();

    const Hanzi* hanzi(char32_t code) const;
    const PoolCharacter* pool_character(char32_t code) const;
    const SurnameEntry* surname(std::u32string_view chars) const;
    bool is_blocked(char32_t code) const { return blocked_.count(code) != 0; }

    const std::vector<PoolCharacter>& pool() const { return pool_; }
    const std::vector<SurnameEntry>& surnames() const { return surnames_; }
    const std::vector<Homophone>& homophones() const { return homophones_; }
    // True when some homophone begins with these two syllables (keys from syllable_key): the quick test before
    // homophones_starting. Every homophone has at least two syllables.
    bool may_begin_homophone(std::uint64_t first, std::uint64_t second) const;

    // The homophones whose first syllable has this key (syllable_key): a range of (key, homophone) pairs.
    std::pair<const std::pair<std::uint64_t, const Homophone*>*, const std::pair<std::uint64_t, const Homophone*>*>
    homophones_starting(std::uint64_t key) const;
    // Poetry pairs that fit a gender: both characters lean to it or are neutral, at least one leans to it.
    const std::vector<PoetryPair>& poetry_pairs(Lean gender) const {
        return gender == Lean::female ? female_pairs_ : male_pairs_;
    }
    const PoetryIndex& poetry() const { return poetry_; }

    // The characters for names of a gender (Lean::male or Lean::female), with or without an element asked for.
    const CandidateSet& candidates(Lean gender, const Element* element) const;

    // The usual reading of a character: its name reading for a pool character, else its first reading; empty
    // when the character is not in the tables.
    std::string reading_of(char32_t code) const;

private:
    void read_hanzi(std::string_view table);
    void read_pool(std::string_view table);
    void read_surnames(std::string_view table);
    void read_blocklist(std::string_view table);
    void read_homophones(std::string_view table);
    void find_poetry_pairs();
    void group_candidates();

    std::vector<Hanzi> hanzi_;
    std::unordered_map<char32_t, std::size_t> hanzi_index_;
    std::vector<PoolCharacter> pool_;
    std::unordered_map<char32_t, std::size_t> pool_index_;
    std::vector<SurnameEntry> surnames_;
    std::unordered_map<std::u32string, std::size_t> surname_index_;
    std::unordered_set<char32_t> blocked_;
    std::vector<Homophone> homophones_;
    std::vector<std::pair<std::uint64_t, const Homophone*>> homophone_starts_; // by first syllable, sorted
    std::vector<std::uint64_t> homophone_openings_; // open-addressed set of the first two syllables, mixed
    CandidateSet candidate_sets_[2][6];             // [male, female][no element, 金 ... 土]
    PoetryIndex poetry_;
    std::vector<PoetryPair> male_pairs_;
    std::vector<PoetryPair> female_pairs_;
};

} // namespace namer::service
