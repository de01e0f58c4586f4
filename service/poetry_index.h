#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace namer::service {

struct Poem {
    std::string collection; // 诗经, 楚辞, 唐诗, 宋词
    std::string title;
    std::string author; // empty for the Book of Songs
};

struct PoetryLine {
    std::string text; // one sentence, with its punctuation
    std::size_t poem = 0;
};

// The poetry table with every line indexed by the characters it holds.
class PoetryIndex {
public:
    // Throws std::runtime_error when the table is malformed.
    explicit PoetryIndex(std::string_view table);

    const std::vector<Poem>& poems() const { return poems_; }
    const std::vector<PoetryLine>& lines() const { return lines_; }

    // Lines holding the character, in table order (the Book of Songs first).
    const std::vector<std::size_t>& lines_with(char32_t code) const;

    // Lines holding every one of the characters, in table order, at most `limit` of them.
    std::vector<std::size_t> lines_with_all(std::u32string_view codes, std::size_t limit) const;

    // "《诗经·周南·关雎》：窈窕淑女，君子好逑。" or "唐·王维《山居秋暝》：明月松间照，清泉石上流。"
    std::string citation(std::size_t line) const;

private:
    std::vector<Poem> poems_;
    std::vector<PoetryLine> lines_;
    std::unordered_map<char32_t, std::vector<std::size_t>> index_;
};

} // namespace namer::service
