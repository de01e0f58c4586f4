// text_between against a plain reference: character starts listed first, markers compared at those only.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <vector>

#include "present/text_between.h"

namespace {

std::vector<std::size_t> character_starts(const std::string& text, std::size_t from) {
    std::vector<std::size_t> starts;
    for (std::size_t i = from; i < text.size(); i += static_cast<unsigned char>(text[i]) >= 0x80 ? 2 : 1)
        starts.push_back(i);
    return starts;
}

// Byte offset of the first occurrence at a character start counted from `from`, or npos.
std::size_t find_at_starts(const std::string& text, const std::string& marker, std::size_t from) {
    for (std::size_t at : character_starts(text, from))
        if (text.compare(at, marker.size(), marker) == 0 && at + marker.size() <= text.size())
            return at;
    return std::string::npos;
}

std::string reference(const std::string& text, const std::string& start, const std::string& end) {
    const std::size_t s = find_at_starts(text, start, 0);
    if (s == std::string::npos)
        return "";
    const std::size_t rest = s + start.size();
    const std::size_t e = find_at_starts(text, end, rest);
    return e == std::string::npos ? "" : text.substr(rest, e - rest);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string start = input.ConsumeRandomLengthString(8);
    const std::string end = input.ConsumeRandomLengthString(8);
    const std::string text = input.ConsumeRemainingBytesAsString();
    if (namer::text_between(text, start, end) != reference(text, start, end))
        std::abort();
    return 0;
}
