#pragma once
#include <cstdint>

#include "base/text.h"

namespace namer {

// Printable ASCII widened to its two-byte full-width form (space to 0xA1 0xA1, tilde to 0xA1 0xAB, the rest to
// 0xA3 + byte + 0x80); control bytes and two-byte characters unchanged; a lone final lead byte dropped.
Text to_full_width(const Text& text);

// The reverse for the full-width forms (and the two stars to "*"); other characters unchanged.
Text to_half_width(const Text& text);

// True when the unit's first byte is 0xB0-0xF7 and its second 0xA1-0xFE (the GB2312 hanzi area).
bool is_gb2312_hanzi(const Text& unit);

// Reading `number` (from 1; below 1 counts as 1) of the unit's character, lower-case a-z; empty when the unit is
// outside the hanzi area or the character has fewer readings.
Text pinyin_reading(const Text& unit, std::int32_t number);

// The text of the pinyin column: each Chinese character's first reading (followed by a space when `add_space`),
// every other character in half width. A control byte is copied as a character of its own, so it never shifts the
// pairing of the two-byte characters after it; a lead byte with nothing after it is dropped.
Text name_pinyin(const Text& name, bool add_space);

} // namespace namer
