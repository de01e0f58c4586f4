#pragma once
#include <cstdint>

#include "base/text.h"

namespace namer {

// An opaque WinInet handle; null means the operation failed.
using InternetHandle = void*;

// WinInet constants the exchange passes, with their Windows values.
namespace wininet {
constexpr std::uint32_t open_type_direct = 1;        // INTERNET_OPEN_TYPE_DIRECT
constexpr std::uint32_t service_http = 3;            // INTERNET_SERVICE_HTTP
constexpr std::uint32_t flag_reload = 0x80000000u;   // INTERNET_FLAG_RELOAD
constexpr std::uint32_t flag_need_file = 0x00000010; // INTERNET_FLAG_NEED_FILE
constexpr std::uint32_t flag_ignore_redirect_to_https = 0x00004000;
constexpr std::uint32_t flag_secure = 0x00800000;        // INTERNET_FLAG_SECURE
constexpr std::uint32_t query_raw_headers_crlf = 22;     // HTTP_QUERY_RAW_HEADERS_CRLF
} // namespace wininet

// The eight WinInet operations one exchange uses, with the results it relies on. The real backend calls the
// ANSI functions of wininet.dll; tests record the calls.
class InternetApi {
public:
    virtual ~InternetApi() = default;

    // InternetOpenA: agent, access type, proxy name, proxy bypass, flags.
    virtual InternetHandle open(const Text& agent, std::uint32_t access_type, const Text& proxy,
                                const Text& proxy_bypass, std::uint32_t flags) = 0;
    // InternetConnectA: session, host, port, user, password, service, flags, context.
    virtual InternetHandle connect(InternetHandle session, const Text& host, int port, const Text& user,
                                   const Text& password, std::uint32_t service, std::uint32_t flags,
                                   std::uintptr_t context) = 0;
    // HttpOpenRequestA without referrer and accept types; context 0.
    virtual InternetHandle open_request(InternetHandle connection, const Text& verb, const Text& path,
                                        const Text& version, std::uint32_t flags) = 0;
    // HttpSendRequestA: header text and its length; `optional`/`optional_length` are null/0 for no body.
    virtual bool send_request(InternetHandle request, const Text& headers, const char* optional,
                              std::uint32_t optional_length) = 0;
    // InternetReadFile into `buffer` asking for `size` bytes: the count delivered, 0 at the end or on an error.
    virtual std::uint32_t read_file(InternetHandle request, char* buffer, std::uint32_t size) = 0;
    // HttpQueryInfoA without index: true on success; `length` is in/out as WinInet has it.
    virtual bool query_info(InternetHandle request, std::uint32_t info_level, char* buffer,
                            std::uint32_t& length) = 0;
    // InternetCloseHandle.
    virtual void close_handle(InternetHandle handle) = 0;
    // InternetSetCookieA: url, cookie name, cookie data.
    virtual void set_cookie(const Text& url, const Text& name, const Text& data) = 0;
};

} // namespace namer
