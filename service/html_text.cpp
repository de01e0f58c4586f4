#include "service/html_text.h"

namespace namer::service {

std::string html_escape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    append_html_escaped(out, text);
    return out;
}

void append_html_escaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&#39;";
            break;
        default:
            out += c;
        }
    }
}

std::string percent_encode_all(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3);
    append_percent_encoded(out, bytes);
    return out;
}

void append_percent_encoded(std::string& out, std::string_view bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        out += '%';
        out += digits[byte >> 4];
        out += digits[byte & 0x0F];
    }
}

} // namespace namer::service
