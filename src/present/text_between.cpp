#include "present/text_between.h"

namespace namer {

Text text_between(const Text& text, const Text& start_marker, const Text& end_marker) {
    const int start = find_text(text, start_marker);
    if (start < 0)
        return Text();
    const Text rest = text.substr(static_cast<std::size_t>(start - 1) + start_marker.size());
    const int end = find_text(rest, end_marker);
    if (end < 0)
        return Text();
    return rest.substr(0, static_cast<std::size_t>(end - 1));
}

} // namespace namer
