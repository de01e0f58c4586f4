#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace namer::service {

// One syllable of a reading: as written ("míng"), without tone marks ("ming"), its tone, and the plain form
// packed into a number for quick comparison.
struct Syllable {
    int tone = 5;
    std::uint64_t key = 0;
    std::string marked;
    std::string plain;
};

// The plain syllable packed into a number, five bits a letter: equal syllables, equal keys.
std::uint64_t syllable_key(std::string_view plain);

Syllable make_syllable(std::string_view marked);

// The tone of a syllable written with tone marks ("míng" is 2); 5 for a syllable without a mark (neutral tone).
int syllable_tone(std::string_view syllable);

// The syllable without tone marks, ü written v ("lǜ" becomes "lv"), the form homophones are compared in.
std::string plain_syllable(std::string_view syllable);

} // namespace namer::service
