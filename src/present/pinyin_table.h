#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace namer {

// The GB2312 hanzi area: lead bytes 0xB0-0xF7, trail bytes 0xA1-0xFE.
constexpr unsigned pinyin_first_lead = 0xB0;
constexpr unsigned pinyin_last_lead = 0xF7;
constexpr unsigned pinyin_first_trail = 0xA1;
constexpr unsigned pinyin_last_trail = 0xFE;
constexpr std::size_t pinyin_area_cells = pinyin_last_trail - pinyin_first_trail + 1;
constexpr std::size_t pinyin_area_codes = (pinyin_last_lead - pinyin_first_lead + 1) * pinyin_area_cells;
constexpr std::size_t pinyin_max_readings = 3;

// True for a code of the area (the five codes 0xD7FA-0xD7FE without a character included).
constexpr bool is_hanzi_code(unsigned char lead, unsigned char trail) {
    return lead >= pinyin_first_lead && lead <= pinyin_last_lead && trail >= pinyin_first_trail &&
           trail <= pinyin_last_trail;
}

// Every syllable the table uses, lower-case a-z, sorted; index 0 is the empty syllable (no reading).
extern const std::size_t pinyin_syllable_count;
extern const std::string_view pinyin_syllables[];

// Per code of the area, row by row, the indices of its readings, most common first, 0 after the last one.
extern const std::uint16_t pinyin_readings[pinyin_area_codes][pinyin_max_readings];

// Reading `number` (from 1; below 1 counts as 1) of the code lead, trail of the hanzi area; empty outside the
// area, for a code without a reading and past the last reading. Points into the table: no copy is made.
std::string_view pinyin_syllable(unsigned char lead, unsigned char trail, std::int32_t number);

} // namespace namer
