#include "query/percent_encode.h"

#include <cstring>

#include "platform/platform.h"

namespace namer {
namespace {

constexpr char hex_digits[] = "0123456789ABCDEF";

void append_escape(Text& out, unsigned char byte) {
    out += '%';
    out += hex_digits[byte >> 4];
    out += hex_digits[byte & 0x0F];
}

bool unsafe_in_target(unsigned char byte) {
    return byte <= 0x20 || byte == 0x7F || std::strchr("\"#%&+<>", byte) != nullptr;
}

} // namespace

Text percent_encode(const Text& text) {
    Text out;
    out.reserve(text.size() * 3);
    for (unsigned char byte : text) {
        append_escape(out, byte);
        if (WindowServices* windows = platform().windows)
            windows->process_pending_events();
    }
    return out;
}

Text escape_request_target(const Text& name) {
    Text out;
    out.reserve(name.size());
    for (unsigned char byte : name) {
        if (!unsafe_in_target(byte))
            out += static_cast<char>(byte);
        else
            append_escape(out, byte);
    }
    return out;
}

} // namespace namer
