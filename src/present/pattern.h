#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "base/text.h"

namespace namer {

// One group of one match: offset of its first byte from the start of the searched Text (from 0), its length,
// and whether it took part in the match.
struct GroupSpan {
    std::int32_t start = 0;
    std::int32_t length = 0;
    bool matched = false;
};

// One GroupSpan per group of the expression; group 0 is the whole match.
using Match = std::vector<GroupSpan>;

// Matches in the order found. Positions only, never text: the searched Text must outlive its use.
using MatchList = std::vector<Match>;

// A compiled regular expression over bytes (Boost.Regex, Perl syntax, case-sensitive).
class Pattern {
public:
    Pattern();
    ~Pattern();
    Pattern(const Pattern&) = delete;
    Pattern& operator=(const Pattern&) = delete;

    bool has_expression() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    friend bool compile_pattern(Pattern& pattern, const Text& expression);
    friend MatchList search_all(const Pattern& pattern, const Text& text);
};

// Compiles `expression` into `pattern`. On failure the pattern keeps its previous expression and the result
// is false.
bool compile_pattern(Pattern& pattern, const Text& expression);

// Every match of the pattern in `text`, left to right, each search starting after the previous match.
// When the engine gives up (complexity or memory limit) the list holds the matches found before.
MatchList search_all(const Pattern& pattern, const Text& text);

// The bytes of `text` covered by group `group` of `match`; empty when the group did not take part or is empty.
Text group_text(const Match& match, const Text& text, std::int32_t group);

} // namespace namer
