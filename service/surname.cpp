#include "service/surname.h"

#include <algorithm>

#include "base/gbk.h"
#include "service/gbk_text.h"
#include "service/utf8_text.h"

namespace namer::service {

Surname surname_from_entry(const SurnameEntry& entry) {
    return Surname{entry.text, entry.chars, entry.gbk, entry.sounds, &entry};
}

SurnameField read_surname_field(const NameData& data, std::string_view gbk) {
    SurnameField field;
    if (!is_valid_gbk(gbk)) {
        field.problem = u8"姓氏不是有效的 GBK 文字。";
        return field;
    }
    const std::u32string chars = trim_blanks(code_points(utf8_from_gbk(gbk)));
    if (chars.empty())
        return field;
    if (!std::all_of(chars.begin(), chars.end(), is_hanzi)) {
        field.problem = u8"姓氏只能由汉字组成。";
        return field;
    }
    if (chars.size() > 2) {
        field.problem = u8"姓氏最多两个汉字（如欧阳、司马）。";
        return field;
    }
    if (const SurnameEntry* entry = data.surname(chars)) {
        field.surname = surname_from_entry(*entry);
        return field;
    }
    field.surname.chars = chars;
    field.surname.text = utf8_from_code_points(chars);
    field.surname.gbk = gbk_from_utf8(field.surname.text);
    for (char32_t code : chars) {
        // An unlisted two-character surname may still be made of listed ones (张王): read each as a surname.
        const SurnameEntry* single = data.surname(std::u32string(1, code));
        const std::string reading = single ? single->sounds.front().marked : data.reading_of(code);
        if (reading.empty()) {
            field.surname.sounds.clear();
            break;
        }
        field.surname.sounds.push_back(make_syllable(reading));
    }
    return field;
}

int given_length_for(int full_length, const Surname& surname) {
    const int surname_length = surname.empty() ? 1 : static_cast<int>(surname.chars.size());
    return std::max(1, full_length - surname_length);
}

} // namespace namer::service
