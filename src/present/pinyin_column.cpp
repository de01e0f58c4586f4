#include "present/pinyin.h"
#include "present/pinyin_table.h"
#include "present/width_conversion.h"

namespace namer {

// Widening every printable ASCII byte and narrowing it again gives the byte back, so the name is read character by
// character: a byte below 0x80 is copied, a two-byte character becomes its reading or its half-width form. Control
// bytes, which widening leaves one byte wide, are units of their own, so a tab or a line feed in a name never
// shifts the pairing of the characters after it.
Text name_pinyin(const Text& name, bool add_space) {
    Text out;
    out.reserve(name.size() * 4);
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto lead = static_cast<unsigned char>(name[i]);
        if (!is_lead_byte(lead)) {
            out += static_cast<char>(lead);
            continue;
        }
        if (i + 1 == name.size())
            break; // a lead byte with nothing after it is dropped
        const auto trail = static_cast<unsigned char>(name[++i]);
        if (is_hanzi_code(lead, trail)) {
            out += pinyin_syllable(lead, trail, 1);
            if (add_space)
                out += ' ';
        } else {
            append_half_width(out, lead, trail);
        }
    }
    return out;
}

} // namespace namer
