#include "present/width_conversion.h"
#include "present/pinyin.h"

namespace namer {

namespace {

constexpr unsigned char full_width_lead = 0xA3;   // 0xA3 0xA1-0xFE: full-width forms of 0x21-0x7E
constexpr unsigned char symbol_lead = 0xA1;       // ideographic space, tilde and stars
constexpr unsigned char ideographic_space = 0xA1; // 0xA1 0xA1
constexpr unsigned char full_width_tilde = 0xAB;  // 0xA1 0xAB
constexpr unsigned char white_star = 0xEE;        // 0xA1 0xEE ☆
constexpr unsigned char black_star = 0xEF;        // 0xA1 0xEF ★

unsigned char byte_at(const Text& text, std::size_t i) {
    return static_cast<unsigned char>(text[i]);
}

} // namespace

void append_half_width(Text& out, unsigned char lead, unsigned char trail) {
    if (lead == symbol_lead && trail == ideographic_space) {
        out += ' ';
    } else if (lead == symbol_lead && trail == full_width_tilde) {
        out += '~';
    } else if (lead == symbol_lead && (trail == white_star || trail == black_star)) {
        out += '*';
    } else if (lead == full_width_lead && trail >= 0xA1 && trail <= 0xFE) {
        out += static_cast<char>(trail - 0x80);
    } else {
        out += static_cast<char>(lead);
        out += static_cast<char>(trail);
    }
}

Text to_full_width(const Text& text) {
    Text out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char byte = byte_at(text, i);
        if (byte == ' ') {
            out += "\xA1\xA1"; // ideographic space
        } else if (byte == '~') {
            out += "\xA1\xAB"; // full-width tilde
        } else if (byte >= 0x21 && byte <= 0x7D) {
            out += static_cast<char>(full_width_lead);
            out += static_cast<char>(byte + 0x80);
        } else if (!is_lead_byte(byte)) {
            out += static_cast<char>(byte); // control bytes stay as they are
        } else if (i + 1 < text.size()) {
            out += static_cast<char>(byte);
            out += text[++i];
        }
        // a lead byte with nothing after it is dropped
    }
    return out;
}

Text to_half_width(const Text& text) {
    Text out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char byte = byte_at(text, i);
        if (!is_lead_byte(byte)) {
            out += static_cast<char>(byte);
        } else if (i + 1 < text.size()) {
            append_half_width(out, byte, byte_at(text, i + 1));
            ++i;
        }
    }
    return out;
}

} // namespace namer
