#include "service/utf8_text.h"

namespace namer::service {

std::u32string code_points(std::string_view utf8) {
    constexpr char32_t replacement = 0xFFFD;
    std::u32string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i++]);
        if (lead < 0x80) {
            out += lead;
            continue;
        }
        const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : -1;
        if (extra < 0 || lead > 0xF4) {
            out += replacement;
            continue;
        }
        char32_t code = lead & (0x3F >> extra);
        int taken = 0;
        while (taken < extra && i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80) {
            code = code << 6 | (static_cast<unsigned char>(utf8[i++]) & 0x3F);
            ++taken;
        }
        out += taken == extra ? code : replacement;
    }
    return out;
}

std::string utf8_from_code_point(char32_t code) {
    std::string out;
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
    return out;
}

std::string utf8_from_code_points(std::u32string_view codes) {
    std::string out;
    for (char32_t code : codes)
        out += utf8_from_code_point(code);
    return out;
}

bool is_hanzi(char32_t code) {
    return (code >= 0x4E00 && code <= 0x9FFF) || (code >= 0x3400 && code <= 0x4DBF) ||
           (code >= 0xF900 && code <= 0xFAFF) || (code >= 0x20000 && code <= 0x3134F);
}

} // namespace namer::service
