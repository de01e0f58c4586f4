#include "service/name_rules.h"

namespace namer::service {

void NameSound::add(const Syllable& syllable) {
    if (size == capacity || syllable.plain.empty()) {
        complete = false;
        return;
    }
    key[size] = syllable.key;
    tone[size] = syllable.tone;
    ++size;
}

NameSound name_sound(const Surname& surname, const PoolCharacter* const* given, std::size_t count) {
    NameSound sound;
    if (surname.sounds.size() != surname.chars.size())
        sound.complete = false;
    for (const Syllable& syllable : surname.sounds)
        sound.add(syllable);
    for (std::size_t i = 0; i < count; ++i)
        sound.add(given[i]->sound);
    return sound;
}

bool tones_all_same(const NameSound& sound) {
    return sound.complete && sound.size == 3 && sound.tone[0] == sound.tone[1] && sound.tone[1] == sound.tone[2];
}

namespace {

// The first homophone that begins at one of the syllables [first, last) of the name.
const Homophone* sound_starting_in(const NameData& data, const NameSound& sound, std::size_t first, std::size_t last) {
    for (std::size_t start = first; start < last && start + 1 < sound.size; ++start) {
        if (!data.may_begin_homophone(sound.key[start], sound.key[start + 1]))
            continue;
        const auto [first, last] = data.homophones_starting(sound.key[start]);
        for (const auto* entry = first; entry != last; ++entry) {
            const Homophone* homophone = entry->second;
            const auto& wanted = homophone->keys;
            if (start + wanted.size() > sound.size)
                continue;
            bool same = true;
            for (std::size_t k = 1; k < wanted.size() && same; ++k)
                same = sound.key[start + k] == wanted[k];
            if (same)
                return homophone;
        }
    }
    return nullptr;
}

} // namespace

const Homophone* unfortunate_sound(const NameData& data, const NameSound& sound) {
    return sound_starting_in(data, sound, 0, sound.size);
}

bool acceptable_with_surname(const NameData& data, const Surname& surname, const PoolCharacter* const* given,
                             std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        for (char32_t code : surname.chars)
            if (code == given[i]->code)
                return false;
    const std::size_t known = surname.sounds.size();
    if (known != surname.chars.size() || count == 0)
        return true; // the surname's sound is unknown; the given name passed on its own
    if (known + count == 3) {
        const int tone = surname.sounds[0].tone;
        const int second = known == 2 ? surname.sounds[1].tone : given[0]->sound.tone;
        if (second == tone && given[count - 1]->sound.tone == tone)
            return false;
    }
    // Only a homophone that begins in the surname is new; its first two syllables must be one of the openings.
    bool may_sound_wrong = false;
    for (std::size_t start = 0; start < known && !may_sound_wrong; ++start) {
        const std::uint64_t next = start + 1 < known ? surname.sounds[start + 1].key : given[0]->sound.key;
        may_sound_wrong = data.may_begin_homophone(surname.sounds[start].key, next);
    }
    if (!may_sound_wrong)
        return true;
    const NameSound sound = name_sound(surname, given, count);
    return !sound_starting_in(data, sound, 0, known);
}

bool acceptable_name(const NameData& data, const Surname& surname, const PoolCharacter* const* given,
                     std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        if (given[i]->blocked || surname.chars.find(given[i]->code) != std::u32string::npos)
            return false;
    }
    const NameSound sound = name_sound(surname, given, count);
    return !tones_all_same(sound) && !unfortunate_sound(data, sound);
}

} // namespace namer::service
