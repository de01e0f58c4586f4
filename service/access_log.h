#pragma once
#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace namer::service {

// One request as the access log records it.
struct LoggedRequest {
    std::string client;       // the peer's address
    std::string request_line; // "POST /showName.php HTTP/1.1"; empty when no request line could be read
    int status = 0;
    std::uint64_t body_bytes = 0;
    std::chrono::system_clock::time_point time;
};

// The request in Common Log Format, without a line break:
//   127.0.0.1 - - [10/Oct/2024:13:55:36 +0000] "GET /showXiaoming.php HTTP/1.1" 200 2326
// Bytes of the request line outside printable ASCII, and the quote and backslash, are written \xHH.
std::string common_log_line(const LoggedRequest& request);

} // namespace namer::service
