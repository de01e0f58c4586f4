// replace_all against its defining properties: the result read back as pieces of the text and replacements.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>

#include "present/replace_all.h"

namespace {

// The scan of the text: at each character start either the search text (taken whole) or one character.
std::string reference(const std::string& text, const std::string& search, const std::string& replacement) {
    if (text.empty() || search.empty())
        return text;
    std::string out;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text.size() - at >= search.size() && std::equal(search.begin(), search.end(), text.begin() + at)) {
            out += replacement;
            at += search.size();
        } else {
            const std::size_t width = static_cast<unsigned char>(text[at]) >= 0x80 ? 2 : 1;
            out += text.substr(at, width);
            at += width;
        }
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string search = input.ConsumeRandomLengthString(8);
    const std::string replacement = input.ConsumeRandomLengthString(16);
    const std::string text = input.ConsumeRemainingBytesAsString();
    const std::string result = namer::replace_all(text, search, replacement);
    if (result != reference(text, search, replacement))
        std::abort();
    // Replacing a text by itself changes nothing.
    if (namer::replace_all(text, search, search) != text)
        std::abort();
    return 0;
}
