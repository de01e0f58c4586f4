#pragma once
#include <string>

namespace namer {

// A NUL-free byte string in the GBK code page: a Chinese character takes two bytes, an ASCII character one.
// Positions are byte positions counted from 1; a search that finds nothing yields -1.
using Text = std::string;

// A counted byte buffer that may hold any byte values, zero bytes included.
using Bytes = std::string;

// The bytes before the first zero byte, all of them when there is none.
Text text_from_bytes(const Bytes& bytes);

// True for a byte that begins a two-byte GBK character.
inline bool is_lead_byte(unsigned char byte) { return byte >= 0x80; }

// Position of the first occurrence of `marker` at or after position `from`, comparing bytes exactly.
// Candidates advance by whole characters, so a match never begins on the second byte of a two-byte character.
// An empty marker is found at `from` when the text has a byte there.
int find_text(const Text& text, const Text& marker, int from = 1);

// As find_text, but ASCII letters compare without regard to case; other bytes must be equal.
int find_text_ignore_case(const Text& text, const Text& marker, int from = 1);

// Lower-cases the ASCII letters A-Z only; both bytes of a two-byte character are left alone.
Text ascii_lower(const Text& text);

} // namespace namer
