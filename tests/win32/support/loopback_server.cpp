#include "loopback_server.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <cstdlib>

namespace namer::test {
namespace {

struct WinsockStartup {
    WinsockStartup() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
    }
};

bool read_request(SOCKET client, ReceivedRequest& request) {
    std::string data;
    char buffer[4096];
    std::size_t head_end = std::string::npos;
    while ((head_end = data.find("\r\n\r\n")) == std::string::npos) {
        const int n = recv(client, buffer, sizeof buffer, 0);
        if (n <= 0)
            return false;
        data.append(buffer, static_cast<std::size_t>(n));
    }
    request.head = data.substr(0, head_end + 4);
    std::size_t length = 0;
    std::string lower = request.head;
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    const std::size_t field = lower.find("\r\ncontent-length:");
    if (field != std::string::npos)
        length = std::strtoul(lower.c_str() + field + 17, nullptr, 10);
    request.body = data.substr(head_end + 4);
    while (request.body.size() < length) {
        const int n = recv(client, buffer, sizeof buffer, 0);
        if (n <= 0)
            return false;
        request.body.append(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

void send_all(SOCKET client, const std::string& data) {
    std::size_t sent = 0;
    while (sent < data.size()) {
        const int n = send(client, data.data() + sent, static_cast<int>(data.size() - sent), 0);
        if (n <= 0)
            return;
        sent += static_cast<std::size_t>(n);
    }
}

} // namespace

LoopbackServer::LoopbackServer(Handler handler, int port) : handler_(std::move(handler)) {
    static WinsockStartup startup;
    SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<u_short>(port));
    bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener, SOMAXCONN);
    int size = sizeof address;
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    listener_ = listener;
    thread_ = std::thread([this] { serve(); });
}

LoopbackServer::~LoopbackServer() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    closesocket(static_cast<SOCKET>(listener_));
    thread_.join();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (std::uintptr_t client : open_clients_)
            shutdown(static_cast<SOCKET>(client), SD_BOTH);
    }
    for (std::thread& t : connection_threads_)
        t.join();
}

void LoopbackServer::serve() {
    while (!stopping_) {
        SOCKET client = accept(static_cast<SOCKET>(listener_), nullptr, nullptr);
        if (client == INVALID_SOCKET)
            return;
        std::lock_guard<std::mutex> lock(mutex_);
        open_clients_.push_back(client);
        connection_threads_.emplace_back([this, client] { serve_connection(client); });
    }
}

void LoopbackServer::serve_connection(std::uintptr_t socket_value) {
    SOCKET client = static_cast<SOCKET>(socket_value);
    ReceivedRequest request;
    if (read_request(client, request)) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            requests_.push_back(request);
        }
        const Response response = handler_(request);
        if (response.hang) {
            std::unique_lock<std::mutex> lock(mutex_);
            changed_.wait(lock, [this] { return release_held_ || stopping_; });
        } else {
            send_all(client, response.raw);
        }
    }
    shutdown(client, SD_SEND);
    closesocket(client);
    std::lock_guard<std::mutex> lock(mutex_);
    open_clients_.erase(std::remove(open_clients_.begin(), open_clients_.end(), socket_value), open_clients_.end());
}

std::vector<ReceivedRequest> LoopbackServer::requests() {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

void LoopbackServer::release_held() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        release_held_ = true;
    }
    changed_.notify_all();
}

std::string LoopbackServer::reply(const std::string& body, const std::string& extra_headers,
                                  const std::string& status) {
    return "HTTP/1.1 " + status + "\r\nContent-Type: text/html; charset=GBK\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\nConnection: close\r\n" + extra_headers + "\r\n" + body;
}

} // namespace namer::test
