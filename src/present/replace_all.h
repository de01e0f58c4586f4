#pragma once
#include "base/text.h"

namespace namer {

// Every occurrence of `search` replaced by `replacement`, scanning from the first byte and stepping over
// two-byte characters; replacements are not scanned again. An empty text or search text is returned unchanged.
Text replace_all(const Text& text, const Text& search, const Text& replacement);

} // namespace namer
