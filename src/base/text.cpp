#include "base/text.h"

#include <cstring>

namespace namer {
namespace {

unsigned char lower(unsigned char byte) { return byte >= 'A' && byte <= 'Z' ? byte + ('a' - 'A') : byte; }

template <typename Equal> int find_stepping(const Text& text, const Text& marker, int from, Equal equal) {
    if (from < 1)
        from = 1;
    std::size_t pos = static_cast<std::size_t>(from) - 1;
    while (pos < text.size()) {
        if (marker.size() <= text.size() - pos) {
            std::size_t i = 0;
            while (i < marker.size() && equal(static_cast<unsigned char>(text[pos + i]),
                                              static_cast<unsigned char>(marker[i])))
                ++i;
            if (i == marker.size())
                return static_cast<int>(pos) + 1;
        } else {
            return -1;
        }
        pos += is_lead_byte(static_cast<unsigned char>(text[pos])) ? 2 : 1;
    }
    return -1;
}

} // namespace

Text text_from_bytes(const Bytes& bytes) { return Text(bytes.c_str(), std::strlen(bytes.c_str())); }

int find_text(const Text& text, const Text& marker, int from) {
    return find_stepping(text, marker, from, [](unsigned char a, unsigned char b) { return a == b; });
}

int find_text_ignore_case(const Text& text, const Text& marker, int from) {
    return find_stepping(text, marker, from, [](unsigned char a, unsigned char b) { return lower(a) == lower(b); });
}

Text ascii_lower(const Text& text) {
    Text out = text;
    for (std::size_t i = 0; i < out.size(); ++i) {
        unsigned char byte = static_cast<unsigned char>(out[i]);
        if (is_lead_byte(byte))
            ++i; // the trail byte of a two-byte character may look like an ASCII letter
        else
            out[i] = static_cast<char>(lower(byte));
    }
    return out;
}

} // namespace namer
