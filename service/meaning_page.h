#pragma once
#include <string>
#include <string_view>

#include "service/name_data.h"

namespace namer::service {

// How a name divides into surname and given name.
struct NameParts {
    enum class Kind {
        listed_surname,   // a surname of the tables, then the given name (张子涵, 欧阳明轩)
        unlisted_surname, // three characters or more, the first not a listed surname: taken as the surname
        pet_name,         // a doubled character or 小/阿 before one (朵朵, 小满): no surname
        given_only,       // a short name without a recognisable surname (明轩)
        surname_only,     // the name is just a surname (欧阳)
    };
    Kind kind = Kind::given_only;
    std::u32string surname;
    std::u32string given;
    const SurnameEntry* entry = nullptr;
};

NameParts split_name(const NameData& data, std::u32string_view name);

// The explanation page of a name (GBK): paragraphs <p id="..">, two-byte ids, line breaks as <br /> and no other
// tag inside them. They give the name with its pinyin (surnames read as surnames), each character's reading,
// strokes, element and meaning, the wish the name carries, lines of poetry holding its characters, and notes on
// its sound. `name` holds Chinese characters only (1 to 8 of them); a character the tables lack is said to be
// unknown.
std::string render_meaning_page(const NameData& data, std::u32string_view name);

} // namespace namer::service
