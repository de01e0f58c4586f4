#include "service/name_rules.h"

namespace namer::service {

void NameSound::add(const Syllable& syllable) {
    if (size == capacity || syllable.plain.empty()) {
        complete = false;
        return;
    }
    plain[size] = syllable.plain;
    tone[size] = syllable.tone;
    ++size;
}

NameSound name_sound(const Surname& surname, const std::vector<const PoolCharacter*>& given) {
    NameSound sound;
    if (surname.sounds.size() != surname.chars.size())
        sound.complete = false;
    for (const Syllable& syllable : surname.sounds)
        sound.add(syllable);
    for (const PoolCharacter* entry : given)
        sound.add(entry->sound);
    return sound;
}

bool tones_all_same(const NameSound& sound) {
    return sound.complete && sound.size == 3 && sound.tone[0] == sound.tone[1] && sound.tone[1] == sound.tone[2];
}

const Homophone* unfortunate_sound(const NameData& data, const NameSound& sound) {
    for (std::size_t start = 0; start < sound.size; ++start) {
        for (const Homophone* homophone : data.homophones_starting(sound.plain[start])) {
            const auto& wanted = homophone->syllables;
            if (start + wanted.size() > sound.size)
                continue;
            bool same = true;
            for (std::size_t k = 1; k < wanted.size() && same; ++k)
                same = sound.plain[start + k] == wanted[k];
            if (same)
                return homophone;
        }
    }
    return nullptr;
}

bool acceptable_name(const NameData& data, const Surname& surname, const std::vector<const PoolCharacter*>& given) {
    for (const PoolCharacter* entry : given) {
        const char32_t code = entry->hanzi->code;
        if (data.is_blocked(code) || surname.chars.find(code) != std::u32string::npos)
            return false;
    }
    const NameSound sound = name_sound(surname, given);
    return !tones_all_same(sound) && !unfortunate_sound(data, sound);
}

} // namespace namer::service
