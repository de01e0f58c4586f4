#pragma once
#include <cstdint>

#include "base/text.h"

namespace namer {

// The parameters of one request.
struct WebRequest {
    Text url;
    int method = 0; // 1 means POST, anything else GET
    Bytes body;     // sent with a POST only
};

// What a request returns when its time limit passes: "超时返回，你可以把参数中的超时值设置长一些。" in GBK.
extern const Text timeout_reply;

// A request is abandoned after 60 s.
constexpr std::uint32_t web_time_limit_ms = 60000;

// Fetches one page on a worker thread while the GUI thread keeps dispatching its window messages. Returns the
// reply body exactly as received, empty after a failed exchange, timeout_reply after the limit. Never reports
// an error. An abandoned worker is not killed: its exchange is cancelled and its result discarded.
Bytes web_access(const WebRequest& request);

// The same with another time limit (for tests of the wait).
Bytes web_access_within(const WebRequest& request, std::uint32_t limit_ms);

// Workers whose exchange has not returned yet, abandoned ones included.
int web_workers_running();

// True when the URL holds nothing but half-width (0x20) and full-width (0xA1 0xA1) spaces.
bool is_blank_url(const Text& url);

} // namespace namer
