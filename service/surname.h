#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "service/name_data.h"

namespace namer::service {

// The surname a list of names is built on; empty when the names stand without one.
struct Surname {
    std::string text; // UTF-8
    std::u32string chars;
    std::string gbk;
    std::vector<Syllable> sounds;        // its readings as a surname; empty when a character's reading is unknown
    const SurnameEntry* entry = nullptr; // null for a surname the tables do not list

    bool empty() const { return chars.empty(); }
};

Surname surname_from_entry(const SurnameEntry& entry);

// What the xing field of a request asks for: a surname, or why it cannot be used (a sentence in UTF-8).
struct SurnameField {
    Surname surname;
    std::string problem;
};

// Reads the decoded xing field (GBK bytes): blanks around it are ignored; it must be one or two Chinese characters.
// A listed surname reads as a surname (曾 zēng); an unlisted one takes the characters' usual readings.
SurnameField read_surname_field(const NameData& data, std::string_view gbk);

// How many characters the given name has for a full name of `full_length` characters. Names without a surname
// are sized as if a one-character surname stood before them; a given name has at least one character.
int given_length_for(int full_length, const Surname& surname);

} // namespace namer::service
