#include "base/gbk.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "base/gbk_table.h"

namespace namer {
namespace {

constexpr char32_t replacement = U'?';

// Unicode code point of one GBK character starting at `i`; advances `i` past it.
char32_t decode_gbk(std::string_view gbk, std::size_t& i) {
    unsigned char lead = static_cast<unsigned char>(gbk[i++]);
    if (lead < 0x80)
        return lead;
    if (lead == 0x80 || lead == 0xFF || i >= gbk.size())
        return replacement;
    unsigned char trail = static_cast<unsigned char>(gbk[i]);
    if (trail < gbk_first_trail || trail == 0xFF)
        return replacement;
    ++i;
    std::uint16_t cp = gbk_double_byte_table[(lead - gbk_first_lead) * gbk_trails_per_lead + (trail - gbk_first_trail)];
    return cp ? cp : replacement;
}

// Unicode -> GBK, sorted by code point, built once from the table.
const std::vector<std::pair<std::uint16_t, std::uint16_t>>& reverse_table() {
    static const auto table = [] {
        std::vector<std::pair<std::uint16_t, std::uint16_t>> pairs;
        for (unsigned i = 0; i < gbk_table_size; ++i) {
            if (gbk_double_byte_table[i] == 0)
                continue;
            unsigned lead = gbk_first_lead + i / gbk_trails_per_lead;
            unsigned trail = gbk_first_trail + i % gbk_trails_per_lead;
            pairs.emplace_back(gbk_double_byte_table[i], static_cast<std::uint16_t>(lead << 8 | trail));
        }
        std::sort(pairs.begin(), pairs.end());
        return pairs;
    }();
    return table;
}

void append_gbk(Text& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
        return;
    }
    const auto& table = reverse_table();
    auto it = std::lower_bound(table.begin(), table.end(), std::make_pair(static_cast<std::uint16_t>(cp), std::uint16_t{0}));
    if (cp > 0xFFFF || it == table.end() || it->first != cp) {
        out += static_cast<char>(replacement);
        return;
    }
    out += static_cast<char>(it->second >> 8);
    out += static_cast<char>(it->second & 0xFF);
}

void append_utf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | cp >> 18);
        out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// One code point of UTF-8 starting at `i`; malformed sequences give the replacement character.
char32_t decode_utf8(std::string_view s, std::size_t& i) {
    unsigned char b = static_cast<unsigned char>(s[i++]);
    if (b < 0x80)
        return b;
    int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
    if (extra < 0 || b > 0xF4)
        return replacement;
    char32_t cp = b & (0x3F >> extra);
    for (int k = 0; k < extra; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80)
            return replacement;
        cp = cp << 6 | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return cp;
}

} // namespace

Text gbk_from_utf8(std::string_view utf8) {
    Text out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        append_gbk(out, decode_utf8(utf8, i));
    return out;
}

std::string utf8_from_gbk(std::string_view gbk) {
    std::string out;
    out.reserve(gbk.size() * 3 / 2);
    for (std::size_t i = 0; i < gbk.size();)
        append_utf8(out, decode_gbk(gbk, i));
    return out;
}

std::u16string utf16_from_gbk(std::string_view gbk) {
    std::u16string out;
    out.reserve(gbk.size());
    for (std::size_t i = 0; i < gbk.size();)
        out += static_cast<char16_t>(decode_gbk(gbk, i));
    return out;
}

Text gbk_from_utf16(std::u16string_view utf16) {
    Text out;
    out.reserve(utf16.size() * 2);
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        char32_t cp = utf16[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF)
            cp = 0x10000 + ((cp - 0xD800) << 10) + (utf16[++i] - 0xDC00);
        append_gbk(out, cp);
    }
    return out;
}

} // namespace namer
