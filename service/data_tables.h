#pragma once
#include <string_view>

namespace namer::service {

// The texts of the service's tables (UTF-8, the formats of service/data/README.md).
struct DataTables {
    std::string_view hanzi;
    std::string_view pool;
    std::string_view surnames;
    std::string_view poetry;
    std::string_view blocklist;
    std::string_view homophones;
};

// The tables of service/data, compiled into the library (the build embeds them; see embed_tables.cmake).
DataTables embedded_tables();

} // namespace namer::service
