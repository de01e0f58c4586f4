#pragma once
#include <mutex>
#include <vector>

#include "platform/internet.h"
#include "web/request_slots.h"

namespace namer {

// Sent as the session's agent string, so WinInet puts it on the User-Agent line.
extern const char* const default_user_agent;

// A reply body is read up to this many bytes; past it the read stops and the reply holds what was read.
constexpr std::size_t reply_body_limit = 32u * 1024 * 1024;

// The WinInet handles of one exchange. The waiting side cancels an abandoned exchange by closing them, which
// makes the worker's blocked call return at once; the worker then closes nothing twice.
class ExchangeHandles {
public:
    explicit ExchangeHandles(InternetApi& api) : api_(api) {}
    // Keeps a freshly opened handle. When the exchange was cancelled already, closes it and returns null.
    InternetHandle adopt(InternetHandle handle);
    // Closes the handle unless cancel() has closed it.
    void close(InternetHandle handle);
    // Closes every open handle, newest first; handles opened later are closed at once.
    void cancel();
    bool cancelled();

private:
    InternetApi& api_;
    std::mutex mutex_;
    std::vector<InternetHandle> open_;
    bool cancelled_ = false;
};

// One cookie of a Set-Cookie line: the name before the first "=", the data after it (attributes included).
struct SetCookie {
    Text name;
    Text data;
};

// The request header lines of one exchange, each ended by CR LF; no empty line is added.
Text request_header_text(const Text& url, const Text& verb, const Bytes& body);

// Every cookie set in raw response headers, line by line.
std::vector<SetCookie> parse_set_cookie_lines(const Text& raw_headers);

// "http://" + url unless it starts with "http://" or "https://" (exact case).
Text normalise_url(const Text& url);

// Carries out one HTTP request described by the slots and writes the reply into them. Reports no error: a
// failed exchange leaves an empty body. `handles` lets another thread cancel it; null when nobody will.
void perform_http_exchange(RequestSlots& slots, InternetApi& api, ExchangeHandles* handles = nullptr);

} // namespace namer
