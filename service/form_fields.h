#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace namer::service {

// The bytes of a percent-encoded text: "%XX" (either case) is the byte XX, "+" a space, every other byte itself
// (so a name sent as raw GBK bytes comes through unchanged). Empty when an escape is malformed ("%4", "%G1").
std::optional<std::string> percent_decode(std::string_view text);

// The fields of a form body or a query string ("a=1&b=2"), decoded, in order.
class FormFields {
public:
    // Empty when a name or value holds a malformed escape.
    static std::optional<FormFields> parse(std::string_view text);

    // The value of the first field with this name; empty when there is none.
    std::optional<std::string> value(std::string_view name) const;

private:
    std::vector<std::pair<std::string, std::string>> fields_;
};

} // namespace namer::service
