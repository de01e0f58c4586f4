#pragma once
#include "base/text.h"

namespace namer {

// The bytes after the first occurrence of `start_marker` up to the next occurrence of `end_marker`; empty when
// the markers do not occur in that order. Markers are found at character starts only.
Text text_between(const Text& text, const Text& start_marker, const Text& end_marker);

} // namespace namer
