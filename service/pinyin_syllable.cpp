#include "service/pinyin_syllable.h"

#include "service/utf8_text.h"

namespace namer::service {
namespace {

struct MarkedVowel {
    char32_t code;
    char plain;
    int tone;
};

// The vowels with tone marks that readings use; ü with a mark becomes v.
constexpr MarkedVowel marked_vowels[] = {
    {U'ā', 'a', 1}, {U'á', 'a', 2}, {U'ǎ', 'a', 3}, {U'à', 'a', 4}, {U'ē', 'e', 1}, {U'é', 'e', 2}, {U'ě', 'e', 3},
    {U'è', 'e', 4}, {U'ī', 'i', 1}, {U'í', 'i', 2}, {U'ǐ', 'i', 3}, {U'ì', 'i', 4}, {U'ō', 'o', 1}, {U'ó', 'o', 2},
    {U'ǒ', 'o', 3}, {U'ò', 'o', 4}, {U'ū', 'u', 1}, {U'ú', 'u', 2}, {U'ǔ', 'u', 3}, {U'ù', 'u', 4}, {U'ǖ', 'v', 1},
    {U'ǘ', 'v', 2}, {U'ǚ', 'v', 3}, {U'ǜ', 'v', 4}, {U'ń', 'n', 2}, {U'ň', 'n', 3}, {U'ǹ', 'n', 4}, {U'ü', 'v', 5},
};

const MarkedVowel* find_marked(char32_t code) {
    for (const auto& vowel : marked_vowels)
        if (vowel.code == code)
            return &vowel;
    return nullptr;
}

} // namespace

Syllable make_syllable(std::string_view marked) {
    std::string plain = plain_syllable(marked);
    const std::uint64_t key = syllable_key(plain);
    return Syllable{syllable_tone(marked), key, std::string(marked), std::move(plain)};
}

std::uint64_t syllable_key(std::string_view plain) {
    std::uint64_t key = 0;
    for (std::size_t i = 0; i < plain.size() && i < 12; ++i) {
        const char c = plain[i];
        key = key << 5 | static_cast<std::uint64_t>(c >= 'a' && c <= 'z' ? c - 'a' + 1 : 27);
    }
    return key;
}

int syllable_tone(std::string_view syllable) {
    for (char32_t code : code_points(syllable)) {
        const MarkedVowel* vowel = find_marked(code);
        if (vowel && vowel->tone != 5)
            return vowel->tone;
    }
    return 5;
}

std::string plain_syllable(std::string_view syllable) {
    std::string out;
    for (char32_t code : code_points(syllable)) {
        const MarkedVowel* vowel = find_marked(code);
        if (vowel)
            out += vowel->plain;
        else if (code < 0x80)
            out += static_cast<char>(code);
    }
    return out;
}

} // namespace namer::service
