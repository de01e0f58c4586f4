#pragma once
#include "base/text.h"

namespace namer {

// Appends the half-width form of the two-byte character lead, trail: the full-width forms of 0x21-0x7E, the
// ideographic space and the full-width tilde become their ASCII bytes, the two stars "*"; any other character is
// appended unchanged.
void append_half_width(Text& out, unsigned char lead, unsigned char trail);

} // namespace namer
