#include "recording_internet.h"

#include <algorithm>
#include <cstring>

namespace namer {

InternetHandle RecordingInternet::open(const Text& a, std::uint32_t type, const Text& p, const Text& bypass,
                                       std::uint32_t flags) {
    calls.push_back("open");
    agent = a;
    access_type = type;
    proxy = p;
    proxy_bypass = bypass;
    open_flags = flags;
    return fail_open ? nullptr : handle(1);
}

InternetHandle RecordingInternet::connect(InternetHandle session, const Text& h, int p, const Text& u,
                                          const Text& pw, std::uint32_t s, std::uint32_t flags, std::uintptr_t ctx) {
    calls.push_back(session == handle(1) ? "connect" : "connect <bad session>");
    host = h;
    port = p;
    user = u;
    password = pw;
    service = s;
    connect_flags = flags;
    context = ctx;
    return fail_connect ? nullptr : handle(2);
}

InternetHandle RecordingInternet::open_request(InternetHandle connection, const Text& v, const Text& p,
                                               const Text& ver, std::uint32_t flags) {
    calls.push_back(connection == handle(2) ? "open_request" : "open_request <bad connection>");
    verb = v;
    path = p;
    version = ver;
    request_flags = flags;
    return fail_request ? nullptr : handle(3);
}

bool RecordingInternet::send_request(InternetHandle request, const Text& h, const char* optional,
                                     std::uint32_t optional_length) {
    calls.push_back(request == handle(3) ? "send" : "send <bad request>");
    headers = h;
    sent_body = optional != nullptr;
    body = optional ? Bytes(optional, optional_length) : Bytes();
    return true;
}

std::uint32_t RecordingInternet::read_file(InternetHandle, char* buffer, std::uint32_t size) {
    calls.push_back("read");
    read_sizes.push_back(size);
    if (endless_body) {
        std::memset(buffer, 'x', size);
        return size;
    }
    if (next_chunk_ >= body_chunks.size())
        return 0;
    const Bytes& chunk = body_chunks[next_chunk_++];
    const std::uint32_t n = std::min<std::uint32_t>(size, static_cast<std::uint32_t>(chunk.size()));
    std::memcpy(buffer, chunk.data(), n);
    return n;
}

bool RecordingInternet::query_info(InternetHandle, std::uint32_t level, char* buffer, std::uint32_t& length) {
    calls.push_back("query");
    query_level = level;
    query_length = length;
    if (header_query_fails || raw_headers.size() + 1 > length)
        return false;
    std::memcpy(buffer, raw_headers.c_str(), raw_headers.size() + 1);
    length = static_cast<std::uint32_t>(raw_headers.size());
    return true;
}

void RecordingInternet::close_handle(InternetHandle h) {
    calls.push_back("close " + std::to_string(reinterpret_cast<std::uintptr_t>(h)));
}

void RecordingInternet::set_cookie(const Text& url, const Text& name, const Text& data) {
    calls.push_back("cookie");
    cookies.push_back({url, name, data});
}

} // namespace namer
