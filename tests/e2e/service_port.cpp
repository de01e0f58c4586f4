#include "service_port.h"

#include <winsock2.h>
#include <ws2tcpip.h>

namespace namer::e2e {

namespace {

struct Winsock {
    Winsock() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~Winsock() { WSACleanup(); }
};

} // namespace

bool is_served(std::uint16_t port) {
    static const Winsock winsock;
    SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET)
        return false;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected = connect(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    closesocket(s);
    return connected;
}

} // namespace namer::e2e
