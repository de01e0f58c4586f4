#include "present/pattern.h"

#include <boost/regex.hpp>

namespace namer {

struct Pattern::Impl {
    boost::basic_regex<char> regex;
    bool compiled = false;
};

Pattern::Pattern() : impl_(std::make_unique<Impl>()) {}
Pattern::~Pattern() = default;

bool Pattern::has_expression() const { return impl_->compiled; }

bool compile_pattern(Pattern& pattern, const Text& expression) {
    try {
        boost::basic_regex<char> compiled(expression, boost::regex_constants::perl);
        pattern.impl_->regex.swap(compiled);
        pattern.impl_->compiled = true;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

MatchList search_all(const Pattern& pattern, const Text& text) {
    MatchList matches;
    if (text.empty() || !pattern.impl_->compiled)
        return matches;
    auto begin = text.begin();
    auto pos = begin;
    try {
        boost::match_results<Text::const_iterator> found;
        while (pos != text.end() &&
               boost::regex_search(pos, text.end(), found, pattern.impl_->regex, boost::match_default, begin)) {
            Match match(found.size());
            for (std::size_t g = 0; g < found.size(); ++g) {
                match[g].matched = found[g].matched;
                if (found[g].matched) {
                    match[g].start = static_cast<std::int32_t>(found[g].first - begin);
                    match[g].length = static_cast<std::int32_t>(found[g].second - found[g].first);
                }
            }
            matches.push_back(std::move(match));
            // An empty match would find itself again; step over one byte in that case.
            pos = found[0].second == pos ? pos + 1 : found[0].second;
        }
    } catch (const std::exception&) {
        // complexity or memory limit of the engine: keep what was found before
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
