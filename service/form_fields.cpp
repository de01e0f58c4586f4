#include "service/form_fields.h"

namespace namer::service {
namespace {

int hex_digit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::optional<std::string> percent_decode(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '+') {
            out += ' ';
        } else if (c == '%') {
            const int high = i + 1 < text.size() ? hex_digit(text[i + 1]) : -1;
            const int low = i + 2 < text.size() ? hex_digit(text[i + 2]) : -1;
            if (high < 0 || low < 0)
                return std::nullopt;
            out += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<FormFields> FormFields::parse(std::string_view text) {
    FormFields form;
    while (!text.empty()) {
        const std::size_t end = text.find('&');
        const std::string_view field = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (field.empty())
            continue;
        const std::size_t equals = field.find('=');
        auto name = percent_decode(field.substr(0, equals));
        auto value = percent_decode(equals == std::string_view::npos ? std::string_view() : field.substr(equals + 1));
        if (!name || !value)
            return std::nullopt;
        form.fields_.emplace_back(std::move(*name), std::move(*value));
    }
    return form;
}

std::optional<std::string> FormFields::value(std::string_view name) const {
    for (const auto& [field_name, field_value] : fields_)
        if (field_name == name)
            return field_value;
    return std::nullopt;
}

} // namespace namer::service
