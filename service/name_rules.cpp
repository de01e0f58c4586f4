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

const Homophone* unfortunate_sound(const NameData& data, const NameSound& sound) {
    for (std::size_t start = 0; start + 1 < sound.size; ++start) {
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
