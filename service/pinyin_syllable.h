#pragma once
#include <string>
#include <string_view>

namespace namer::service {

// One syllable of a reading: as written ("míng"), without tone marks ("ming"), and its tone.
struct Syllable {
    std::string marked;
    std::string plain;
    int tone = 5;
};

Syllable make_syllable(std::string_view marked);

// The tone of a syllable written with tone marks ("míng" is 2); 5 for a syllable without a mark (neutral tone).
int syllable_tone(std::string_view syllable);

// The syllable without tone marks, ü written v ("lǜ" becomes "lv"), the form homophones are compared in.
std::string plain_syllable(std::string_view syllable);

} // namespace namer::service
