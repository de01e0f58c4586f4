#pragma once
#include <cstdint>

namespace namer {

constexpr unsigned gbk_first_lead = 0x81;
constexpr unsigned gbk_first_trail = 0x40;
constexpr unsigned gbk_trails_per_lead = 0xFF - 0x40;
constexpr unsigned gbk_table_size = (0xFF - 0x81) * gbk_trails_per_lead;

extern const std::uint16_t gbk_double_byte_table[gbk_table_size];

} // namespace namer
