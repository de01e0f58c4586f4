#pragma once
#include <memory>

#include "base/text.h"

namespace namer {

// True when the service address names this machine (127.0.0.0/8 or localhost).
bool is_loopback_base(const Text& base);

// The naming service built into the client, for a service address on this machine.
class EmbeddedService {
public:
    EmbeddedService();
    ~EmbeddedService();
    EmbeddedService(const EmbeddedService&) = delete;
    EmbeddedService& operator=(const EmbeddedService&) = delete;

    // Serves on the address's port in the background. When the port is taken already (another instance of the
    // program serves there), that one answers and nothing is started. Does nothing for a remote address.
    void start_for(const Text& base);
    // True when this process serves.
    bool serving() const;
    void stop();

private:
    struct Server;
    std::unique_ptr<Server> server_;
};

} // namespace namer
