#include "present/replace_all.h"

namespace namer {

Text replace_all(const Text& text, const Text& search, const Text& replacement) {
    if (text.empty() || search.empty())
        return text;
    Text out;
    out.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text.compare(pos, search.size(), search) == 0) {
            out += replacement;
            pos += search.size();
            continue;
        }
        const std::size_t step = is_lead_byte(static_cast<unsigned char>(text[pos])) && pos + 1 < text.size() ? 2 : 1;
        out.append(text, pos, step);
        pos += step;
    }
    return out;
}

} // namespace namer
