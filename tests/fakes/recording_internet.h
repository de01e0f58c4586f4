#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/internet.h"

namespace namer {

// Records every WinInet call with its arguments and answers from a script.
class RecordingInternet : public InternetApi {
public:
    struct Cookie {
        Text url, name, data;
    };

    // The script.
    bool fail_open = false, fail_connect = false, fail_request = false;
    std::vector<Bytes> body_chunks; // what successive reads deliver; a read after the last delivers 0
    bool endless_body = false;      // every read delivers a full buffer of 'x'
    Text raw_headers = "HTTP/1.1 200 OK\r\n\r\n";
    bool header_query_fails = false;

    // What was called, one line per call: "open", "connect", "open_request", "send", "read", "query",
    // "close <handle>", "cookie".
    std::vector<std::string> calls;
    Text agent, proxy, proxy_bypass, host, user, password, verb, path, version, headers;
    std::uint32_t access_type = 0, open_flags = 0, service = 0, connect_flags = 0, request_flags = 0;
    int port = 0;
    std::uintptr_t context = 1;
    bool sent_body = false;
    Bytes body;
    std::uint32_t query_level = 0, query_length = 0;
    std::vector<std::uint32_t> read_sizes;
    std::vector<Cookie> cookies;

    // Handles handed out: session 1, connection 2, request 3.
    static InternetHandle handle(int n) { return reinterpret_cast<InternetHandle>(static_cast<std::uintptr_t>(n)); }

    InternetHandle open(const Text& agent, std::uint32_t access_type, const Text& proxy, const Text& proxy_bypass,
                        std::uint32_t flags) override;
    InternetHandle connect(InternetHandle session, const Text& host, int port, const Text& user, const Text& password,
                           std::uint32_t service, std::uint32_t flags, std::uintptr_t context) override;
    InternetHandle open_request(InternetHandle connection, const Text& verb, const Text& path, const Text& version,
                                std::uint32_t flags) override;
    bool send_request(InternetHandle request, const Text& headers, const char* optional,
                      std::uint32_t optional_length) override;
    std::uint32_t read_file(InternetHandle request, char* buffer, std::uint32_t size) override;
    bool query_info(InternetHandle request, std::uint32_t info_level, char* buffer, std::uint32_t& length) override;
    void close_handle(InternetHandle handle) override;
    void set_cookie(const Text& url, const Text& name, const Text& data) override;

private:
    std::size_t next_chunk_ = 0;
};

} // namespace namer
