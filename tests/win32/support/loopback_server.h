#pragma once
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace namer::test {

// One request as it arrived on the wire.
struct ReceivedRequest {
    std::string head;        // request line and header lines, up to and including the empty line
    std::string body;        // Content-Length bytes after the head
    std::string request_line() const { return head.substr(0, head.find("\r\n")); }
    bool has_line(const std::string& line) const { return head.find("\r\n" + line + "\r\n") != std::string::npos; }
};

// What the server does with a request: the raw response bytes to send, or nothing at all when `hang` is set
// (the connection is held open until the client closes it or the server stops).
struct Response {
    std::string raw;
    bool hang = false;
};

// A real HTTP/1.1 server on 127.0.0.1 with an ephemeral port, run on its own thread for one test. Each
// connection serves one request and is closed after the response.
class LoopbackServer {
public:
    using Handler = std::function<Response(const ReceivedRequest&)>;

    // Listens on `port`, or on an ephemeral port when it is 0.
    explicit LoopbackServer(Handler handler, int port = 0);
    ~LoopbackServer();
    LoopbackServer(const LoopbackServer&) = delete;
    LoopbackServer& operator=(const LoopbackServer&) = delete;

    int port() const { return port_; }
    std::string base() const { return "http://127.0.0.1:" + std::to_string(port_); }
    std::vector<ReceivedRequest> requests();
    // Lets every held connection go: the server closes them.
    void release_held();

    // A complete response with the given status line, extra header lines and body.
    static std::string reply(const std::string& body, const std::string& extra_headers = "",
                             const std::string& status = "200 OK");

private:
    void serve();
    void serve_connection(std::uintptr_t client);

    Handler handler_;
    std::uintptr_t listener_;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<ReceivedRequest> requests_;
    std::vector<std::uintptr_t> open_clients_;
    bool release_held_ = false;
    std::vector<std::thread> connection_threads_;
    std::thread thread_;
};

} // namespace namer::test
