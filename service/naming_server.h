#pragma once
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "service/name_data.h"

namespace namer::service {

// The port the client's default service address names (NAMER_SERVICE_BASE at configure time).
#ifdef NAMER_SERVICE_DEFAULT_PORT
constexpr std::uint16_t default_service_port = NAMER_SERVICE_DEFAULT_PORT;
#else
constexpr std::uint16_t default_service_port = 8731;
#endif

struct ServerOptions {
    int threads = 1;
    // A request must arrive completely within this time after the previous reply (or the connection): slow
    // clients and idle keep-alive connections are dropped.
    std::chrono::milliseconds read_timeout{15000};
    std::chrono::milliseconds write_timeout{15000};
    // Called once per request with its Common Log Format line (no line break), from the serving threads.
    std::function<void(const std::string& line)> access_log;
    // The data to serve from; null loads the tables compiled into the library.
    std::shared_ptr<const NameData> data;
};

// Limits on what one request may send.
constexpr std::size_t max_request_header_bytes = 8 * 1024;
constexpr std::size_t max_request_body_bytes = 64 * 1024;

// The naming service over HTTP/1.1 on background threads. Owns everything it uses; several servers may run in
// one process.
class NamingServer {
public:
    explicit NamingServer(ServerOptions options = {});
    ~NamingServer();
    NamingServer(const NamingServer&) = delete;
    NamingServer& operator=(const NamingServer&) = delete;

    // Listens on `bind`:`port` (port 0 takes a free one) and serves until stop(). A seed makes the lists
    // reproducible (see NamingService::request_seed); without one each start draws its own. Returns the error
    // when the address is invalid or taken; a running server is stopped first.
    std::error_code start(const std::string& bind, std::uint16_t port, std::optional<std::uint64_t> seed = {});

    // The port it listens on; 0 when not running.
    std::uint16_t port() const;

    // Stops listening, drops open connections and joins the threads. Safe to call twice.
    void stop();

private:
    struct Running;
    ServerOptions options_;
    std::unique_ptr<Running> running_;
};

} // namespace namer::service
