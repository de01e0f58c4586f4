#include "web/url_parts.h"

#include <climits>

#include "present/replace_all.h"

namespace namer {
namespace {

Text before(const Text& text, const Text& marker) {
    const int pos = find_text(text, marker);
    return pos < 0 ? text : text.substr(0, static_cast<std::size_t>(pos - 1));
}

bool starts_with_ignore_case(const Text& text, const Text& prefix) {
    return text.size() >= prefix.size() && ascii_lower(text.substr(0, prefix.size())) == prefix;
}

// The leading decimal number of `text`, truncated; 0 when it starts with no digit. Out-of-range values are
// clamped, never undefined.
int leading_number(const Text& text) {
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(value);
}

} // namespace

Text host_from_url(const Text& url) {
    Text rest = replace_all(replace_all(url, "https://", ""), "http://", "");
    return ascii_lower(before(before(rest, "/"), ":"));
}

Text path_from_url(const Text& url) {
    // The host is looked for after the scheme, so that a host such as "t" or "p" is not found inside "http://".
    const int after_scheme = starts_with_ignore_case(url, "https://") ? 9 : starts_with_ignore_case(url, "http://") ? 8 : 1;
    const int host_pos = find_text_ignore_case(url, host_from_url(url), after_scheme);
    const int slash = find_text(url, "/", host_pos < 1 ? 1 : host_pos);
    return slash < 0 ? Text("/") : url.substr(static_cast<std::size_t>(slash - 1));
}

int port_from_url(const Text& url) {
    Text authority;
    if (starts_with_ignore_case(url, "http://")) {
        const int slash = find_text(url, "/", 8);
        authority = slash < 0 ? url.substr(7) : url.substr(7, static_cast<std::size_t>(slash - 8));
    } else {
        authority = before(url, "/");
    }
    const int colon = find_text(authority, ":");
    return colon < 0 ? 80 : leading_number(authority.substr(static_cast<std::size_t>(colon)));
}

} // namespace namer
