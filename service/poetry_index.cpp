#include "service/poetry_index.h"

#include <algorithm>
#include <stdexcept>

#include "service/table_lines.h"
#include "service/utf8_text.h"

namespace namer::service {

PoetryIndex::PoetryIndex(std::string_view table) {
    for (const TableLine& line : table_lines(table)) {
        if (line.fields.front() == "@") {
            if (line.fields.size() != 4)
                throw std::runtime_error("poetry table: a poem line needs a collection, a title and an author");
            poems_.push_back({std::string(line.fields[1]), std::string(line.fields[2]), std::string(line.fields[3])});
            continue;
        }
        if (poems_.empty())
            throw std::runtime_error("poetry table: a line before the first poem");
        const std::size_t id = lines_.size();
        lines_.push_back({std::string(line.text), poems_.size() - 1});
        std::u32string codes = code_points(line.text);
        std::sort(codes.begin(), codes.end());
        codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
        for (char32_t code : codes)
            if (is_hanzi(code))
                index_[code].push_back(id);
    }
}

const std::vector<std::size_t>& PoetryIndex::lines_with(char32_t code) const {
    static const std::vector<std::size_t> none;
    const auto found = index_.find(code);
    return found == index_.end() ? none : found->second;
}

std::vector<std::size_t> PoetryIndex::lines_with_all(std::u32string_view codes, std::size_t limit) const {
    std::vector<std::size_t> result;
    if (codes.empty() || limit == 0)
        return result;
    // Walk the shortest posting list and keep the lines that every other list holds as well.
    const std::vector<std::size_t>* shortest = &lines_with(codes.front());
    for (char32_t code : codes)
        if (lines_with(code).size() < shortest->size())
            shortest = &lines_with(code);
    for (std::size_t line : *shortest) {
        const bool in_all = std::all_of(codes.begin(), codes.end(), [&](char32_t code) {
            const auto& list = lines_with(code);
            return std::binary_search(list.begin(), list.end(), line);
        });
        if (in_all) {
            result.push_back(line);
            if (result.size() == limit)
                break;
        }
    }
    return result;
}

std::string PoetryIndex::citation(std::size_t line) const {
    const PoetryLine& verse = lines_.at(line);
    const Poem& poem = poems_.at(verse.poem);
    if (poem.collection == u8"诗经" || poem.collection == u8"楚辞") {
        std::string text = u8"《" + poem.collection + u8"·" + poem.title + u8"》";
        if (!poem.author.empty())
            text += poem.author;
        return text + u8"：" + verse.text;
    }
    const std::string dynasty = poem.collection == u8"唐诗" ? u8"唐" : u8"宋";
    return dynasty + u8"·" + poem.author + u8"《" + poem.title + u8"》：" + verse.text;
}

} // namespace namer::service
