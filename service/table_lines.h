#pragma once
#include <string_view>
#include <vector>

namespace namer::service {

// One data line of a table: its text and its tab-separated fields.
struct TableLine {
    std::string_view text;
    std::vector<std::string_view> fields;
};

// The lines of a table that are neither empty nor comments ("#" first), split at tabs.
std::vector<TableLine> table_lines(std::string_view table);

// A line split at runs of spaces and tabs.
std::vector<std::string_view> split_words(std::string_view line);

} // namespace namer::service
