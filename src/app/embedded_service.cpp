#include "app/embedded_service.h"

#include "service/naming_server.h"
#include "web/url_parts.h"

namespace namer {

struct EmbeddedService::Server {
    service::NamingServer server;
};

bool is_loopback_base(const Text& base) {
    const Text host = host_from_url(base);
    return host == "localhost" ||
           (host.rfind("127.", 0) == 0 && host.find_first_not_of("0123456789.") == Text::npos);
}

EmbeddedService::EmbeddedService() = default;

EmbeddedService::~EmbeddedService() { stop(); }

void EmbeddedService::start_for(const Text& base) {
    if (!is_loopback_base(base) || server_)
        return;
    auto server = std::make_unique<Server>();
    const int port = port_from_url(base);
    const Text host = host_from_url(base);
    if (server->server.start(host == "localhost" ? "127.0.0.1" : host, static_cast<std::uint16_t>(port)))
        return; // taken: whoever listens there answers
    server_ = std::move(server);
}

bool EmbeddedService::serving() const { return server_ && server_->server.port() != 0; }

void EmbeddedService::stop() {
    if (server_)
        server_->server.stop();
    server_.reset();
}

} // namespace namer
