#include <windows.h>

#include <wininet.h>

#include "platform/win32/backends.h"

namespace namer {
namespace {

class WinInetApi : public InternetApi {
public:
    InternetHandle open(const Text& agent, std::uint32_t access_type, const Text& proxy, const Text& proxy_bypass,
                        std::uint32_t flags) override {
        return InternetOpenA(agent.c_str(), access_type, proxy.c_str(), proxy_bypass.c_str(), flags);
    }

    InternetHandle connect(InternetHandle session, const Text& host, int port, const Text& user,
                           const Text& password, std::uint32_t service, std::uint32_t flags,
                           std::uintptr_t context) override {
        return InternetConnectA(static_cast<HINTERNET>(session), host.c_str(), static_cast<INTERNET_PORT>(port),
                                user.c_str(), password.c_str(), service, flags, context);
    }

    InternetHandle open_request(InternetHandle connection, const Text& verb, const Text& path, const Text& version,
                                std::uint32_t flags) override {
        return HttpOpenRequestA(static_cast<HINTERNET>(connection), verb.c_str(), path.c_str(), version.c_str(),
                                nullptr, nullptr, flags, 0);
    }

    bool send_request(InternetHandle request, const Text& headers, const char* optional,
                      std::uint32_t optional_length) override {
        return HttpSendRequestA(static_cast<HINTERNET>(request), headers.c_str(), static_cast<DWORD>(headers.size()),
                                const_cast<char*>(optional), optional_length) != FALSE;
    }

    std::uint32_t read_file(InternetHandle request, char* buffer, std::uint32_t size) override {
        DWORD read = 0;
        if (!InternetReadFile(static_cast<HINTERNET>(request), buffer, size, &read))
            return 0;
        return read;
    }

    bool query_info(InternetHandle request, std::uint32_t info_level, char* buffer, std::uint32_t& length) override {
        DWORD size = length;
        const BOOL ok = HttpQueryInfoA(static_cast<HINTERNET>(request), info_level, buffer, &size, nullptr);
        length = size;
        return ok != FALSE;
    }

    void close_handle(InternetHandle handle) override { InternetCloseHandle(static_cast<HINTERNET>(handle)); }

    void set_cookie(const Text& url, const Text& name, const Text& data) override {
        InternetSetCookieA(url.c_str(), name.c_str(), data.c_str());
    }
};

} // namespace

std::unique_ptr<InternetApi> make_wininet_api() { return std::make_unique<WinInetApi>(); }

} // namespace namer
