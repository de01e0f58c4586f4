#include "service/gbk_text.h"

#include "base/gbk.h"

namespace namer::service {

bool is_valid_gbk(std::string_view gbk) {
    // The conversion turns every byte sequence it cannot map into "?", so only valid text survives the round trip.
    return gbk_from_utf8(utf8_from_gbk(gbk)) == gbk;
}

std::u32string trim_blanks(std::u32string_view codes) {
    const auto blank = [](char32_t code) {
        return code == U' ' || code == U'\t' || code == U'\r' || code == U'\n' || code == 0x3000;
    };
    std::size_t start = 0;
    std::size_t end = codes.size();
    while (start < end && blank(codes[start]))
        ++start;
    while (end > start && blank(codes[end - 1]))
        --end;
    return std::u32string(codes.substr(start, end - start));
}

} // namespace namer::service
