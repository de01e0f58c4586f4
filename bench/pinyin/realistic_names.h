#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace namer {

// `count` personal names of two or three characters in UTF-8, the same for every run: a surname (common ones more
// often, now and then a compound one) and one or two given-name characters.
std::vector<std::string> realistic_names(std::size_t count);

} // namespace namer
