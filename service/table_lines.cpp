#include "service/table_lines.h"

namespace namer::service {

std::vector<TableLine> table_lines(std::string_view table) {
    std::vector<TableLine> result;
    while (!table.empty()) {
        const std::size_t end = table.find('\n');
        std::string_view line = table.substr(0, end);
        table.remove_prefix(end == std::string_view::npos ? table.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        TableLine parsed{line, {}};
        for (std::size_t start = 0;;) {
            const std::size_t tab = line.find('\t', start);
            parsed.fields.push_back(line.substr(start, tab == std::string_view::npos ? line.npos : tab - start));
            if (tab == std::string_view::npos)
                break;
            start = tab + 1;
        }
        result.push_back(std::move(parsed));
    }
    return result;
}

std::vector<std::string_view> split_words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            words.push_back(line.substr(start, i - start));
    }
    return words;
}

} // namespace namer::service
