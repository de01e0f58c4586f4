#include "present/pattern.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <limits>

#include <boost/regex.hpp>

namespace namer {
namespace {

// A byte pointer that tells Boost.Regex it can only step, not jump. Over random-access iterators the engine's
// step limit grows with the length of the text (about a thousand steps per byte for our expressions, seconds of a
// blocked GUI thread on a malformed megabyte page); over a stepping iterator it is the fixed ceiling
// BOOST_REGEX_MAX_STATE_COUNT, the same limit it applies to ordinary pages of a few dozen kilobytes.
class ByteStepper {
public:
    using iterator_category = std::bidirectional_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    ByteStepper() = default;
    explicit ByteStepper(const char* at) : at_(at) {}

    reference operator*() const { return *at_; }
    ByteStepper& operator++() {
        ++at_;
        return *this;
    }
    ByteStepper operator++(int) { return ByteStepper(at_++); }
    ByteStepper& operator--() {
        --at_;
        return *this;
    }
    ByteStepper operator--(int) { return ByteStepper(at_--); }
    bool operator==(const ByteStepper& other) const { return at_ == other.at_; }
    bool operator!=(const ByteStepper& other) const { return at_ != other.at_; }

    const char* address() const { return at_; }

private:
    const char* at_ = nullptr;
};

} // namespace

struct Pattern::Impl {
    boost::basic_regex<char> regex;
    bool compiled = false;
};

Pattern::Pattern() : impl_(std::make_unique<Impl>()) {}
Pattern::~Pattern() = default;

bool Pattern::has_expression() const {
    return impl_->compiled;
}

bool compile_pattern(Pattern& pattern, const Text& expression) {
    try {
        boost::basic_regex<char> compiled(expression, boost::regex_constants::perl);
        pattern.impl_->regex.swap(compiled);
        pattern.impl_->compiled = true;
        return true;
    } catch (...) {
        return false;
    }
}

MatchList search_all(const Pattern& pattern, const Text& text) {
    MatchList matches;
    if (text.empty() || !pattern.impl_->compiled)
        return matches;
    // Group positions are 32-bit: a longer text is searched in its first 2 GiB only.
    const std::size_t searched = std::min<std::size_t>(text.size(), std::numeric_limits<std::int32_t>::max());
    const ByteStepper begin(text.data());
    const ByteStepper end(text.data() + searched);
    ByteStepper from = begin;
    try {
        boost::match_results<ByteStepper> found;
        while (from != end &&
               boost::regex_search(from, end, found, pattern.impl_->regex, boost::match_default, begin)) {
            Match match(found.size());
            for (std::size_t g = 0; g < found.size(); ++g) {
                match[g].matched = found[g].matched;
                if (found[g].matched) {
                    match[g].start = static_cast<std::int32_t>(found[g].first.address() - text.data());
                    match[g].length = static_cast<std::int32_t>(found[g].second.address() - found[g].first.address());
                }
            }
            matches.push_back(std::move(match));
            // An empty match would be found again at the same place: step over one byte after it.
            if (found[0].first != found[0].second)
                from = found[0].second;
            else if (found[0].second != end)
                from = std::next(found[0].second);
            else
                break;
        }
    } catch (...) {
        // The engine gave up (step limit, backtracking memory) or memory ran out: keep what was found before.
    }
    return matches;
}

Text group_text(const Match& match, const Text& text, std::int32_t group) {
    if (group < 0 || static_cast<std::size_t>(group) >= match.size())
        return Text();
    const GroupSpan& span = match[static_cast<std::size_t>(group)];
    if (!span.matched || span.length < 1 || span.start < 0 ||
        static_cast<std::size_t>(span.start) + static_cast<std::size_t>(span.length) > text.size())
        return Text();
    return text.substr(static_cast<std::size_t>(span.start), static_cast<std::size_t>(span.length));
}

} // namespace namer
