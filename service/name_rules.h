#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "service/name_data.h"
#include "service/surname.h"

namespace namer::service {

// The sound of a full name: each syllable without tone marks, and its tone (1-4, 5 neutral).
struct NameSound {
    static constexpr std::size_t capacity = 8;
    std::array<std::uint64_t, capacity> key{}; // syllable_key of each syllable
    std::array<int, capacity> tone{};
    std::size_t size = 0;
    bool complete = true; // false when a character's reading is unknown or the name is too long

    void add(const Syllable& syllable);
};

// The sound of the surname followed by the given characters (their readings in names).
NameSound name_sound(const Surname& surname, const PoolCharacter* const* given, std::size_t count);
inline NameSound name_sound(const Surname& surname, const std::vector<const PoolCharacter*>& given) {
    return name_sound(surname, given.data(), given.size());
}

// True for a name of three syllables whose three tones are the same (张清风, all level): it reads flat.
bool tones_all_same(const NameSound& sound);

// The unfortunate sound the name makes (范统 sounds like 饭桶), or null. A homophone counts when its syllables
// stand one after another anywhere in the name.
const Homophone* unfortunate_sound(const NameData& data, const NameSound& sound);

// For a given name that passes acceptable_name on its own (without a surname): the rules its surname adds, namely
// no surname character repeated, not three equal tones, no unfortunate sound that begins in the surname.
bool acceptable_with_surname(const NameData& data, const Surname& surname, const PoolCharacter* const* given,
                             std::size_t count);

// The rules every proposed name obeys: no blocked character, no character of the surname in the given name,
// no unfortunate sound, and not three equal tones.
bool acceptable_name(const NameData& data, const Surname& surname, const PoolCharacter* const* given,
                     std::size_t count);
inline bool acceptable_name(const NameData& data, const Surname& surname,
                            const std::vector<const PoolCharacter*>& given) {
    return acceptable_name(data, surname, given.data(), given.size());
}

} // namespace namer::service
