#include "present/text_between.h"

namespace namer {

Text text_between(const Text& text, const Text& start_marker, const Text& end_marker) {
    const int start = find_text(text, start_marker);
    if (start < 0)
        return Text();
    // The end marker is looked for from the first byte after the start marker, stepping by characters from there.
    const int rest = start + static_cast<int>(start_marker.size());
    const int end = find_text(text, end_marker, rest);
    if (end < 0)
        return Text();
    return text.substr(static_cast<std::size_t>(rest - 1), static_cast<std::size_t>(end - rest));
}

} // namespace namer
