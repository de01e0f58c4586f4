#include "present/pinyin.h"
#include "present/pinyin_table.h"

namespace namer {

std::string_view pinyin_syllable(unsigned char lead, unsigned char trail, std::int32_t number) {
    if (!is_hanzi_code(lead, trail))
        return {};
    const std::size_t code = (lead - pinyin_first_lead) * pinyin_area_cells + (trail - pinyin_first_trail);
    const std::size_t slot = number <= 1 ? 0 : static_cast<std::size_t>(number) - 1;
    if (slot >= pinyin_max_readings)
        return {};
    return pinyin_syllables[pinyin_readings[code][slot]];
}

bool is_gb2312_hanzi(const Text& unit) {
    return unit.size() >= 2 && is_hanzi_code(static_cast<unsigned char>(unit[0]), static_cast<unsigned char>(unit[1]));
}

Text pinyin_reading(const Text& unit, std::int32_t number) {
    if (unit.size() < 2)
        return Text();
    return Text(pinyin_syllable(static_cast<unsigned char>(unit[0]), static_cast<unsigned char>(unit[1]), number));
}

} // namespace namer
