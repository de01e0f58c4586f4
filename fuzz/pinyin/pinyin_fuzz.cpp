// name_pinyin, to_full_width, to_half_width and pinyin_reading on arbitrary bytes: no crash, no sanitizer report,
// outputs within the lengths the conversions allow, and name_pinyin equal to the column's definition (widen, then
// two-byte units) wherever the name holds no control byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "present/pinyin.h"

using namespace namer;

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

bool has_control_byte(const Text& text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return true;
    return false;
}

// The column as defined: widen the name, then take it two bytes at a time.
Text column_by_definition(const Text& name, bool add_space) {
    const Text wide = to_full_width(name);
    Text out;
    for (std::size_t i = 0; i + 1 < wide.size(); i += 2) {
        const Text unit = wide.substr(i, 2);
        if (is_gb2312_hanzi(unit)) {
            out += pinyin_reading(unit, 1);
            if (add_space)
                out += ' ';
        } else {
            out += to_half_width(unit);
        }
    }
    return out;
}

bool is_syllable(const Text& reading) {
    if (reading.size() > 6)
        return false;
    for (const char c : reading)
        if (c < 'a' || c > 'z')
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Text input(reinterpret_cast<const char*>(data), size);

    const Text wide = to_full_width(input);
    require(wide.size() <= 2 * input.size());
    const Text narrow = to_half_width(input);
    require(narrow.size() <= input.size());

    bool ascii = true;
    for (const char c : input)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii)
        require(to_half_width(wide) == input);

    for (const bool add_space : {true, false}) {
        const Text column = name_pinyin(input, add_space);
        // At most a six-letter reading and a space for each two bytes of the name, one byte for each other byte.
        require(2 * column.size() <= 7 * input.size());
        if (!has_control_byte(input))
            require(column == column_by_definition(input, add_space));
    }

    std::int32_t number = 1;
    if (size >= 4)
        std::memcpy(&number, data, sizeof number);
    const Text reading = pinyin_reading(input, number);
    require(reading.empty() || (is_gb2312_hanzi(input) && is_syllable(reading)));
    return 0;
}
