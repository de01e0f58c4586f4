#include "web/web_access.h"

#include <atomic>
#include <memory>

#include "platform/platform.h"
#include "web/http_exchange.h"

namespace namer {

// 超时返回，你可以把参数中的超时值设置长一些。
const Text timeout_reply = "\xB3\xAC\xCA\xB1\xB7\xB5\xBB\xD8\xA3\xAC\xC4\xE3\xBF\xC9\xD2\xD4\xB0\xD1\xB2\xCE\xCA\xFD"
                           "\xD6\xD0\xB5\xC4\xB3\xAC\xCA\xB1\xD6\xB5\xC9\xE8\xD6\xC3\xB3\xA4\xD2\xBB\xD0\xA9\xA1\xA3";

namespace {

std::atomic<int> workers_running{0};

const Text redirects_allowed = "\xD5\xE6"; // 真
const Text full_width_space = "\xA1\xA1";  // 　

// What one worker works on. The worker keeps its own reference, so an abandoned one can run to its end.
struct WorkerJob {
    explicit WorkerJob(InternetApi& api) : handles(api) {}
    RequestSlots handed_over; // written before the worker starts, read back only after it has ended
    ExchangeHandles handles;
};

RequestSlots fill_slots(const WebRequest& request) {
    RequestSlots slots;
    slots.slot[0] = request.url;
    slots.slot[1] = request.method == 1 ? "POST" : "GET";
    slots.slot[4] = request.method == 1 ? request.body : Bytes();
    slots.slot[6] = redirects_allowed;
    return slots;
}

} // namespace

int web_workers_running() { return workers_running; }

bool is_blank_url(const Text& url) {
    for (std::size_t i = 0; i < url.size();) {
        if (url[i] == ' ')
            ++i;
        else if (url.compare(i, 2, full_width_space) == 0)
            i += 2;
        else
            return false;
    }
    return true;
}

Bytes web_access_within(const WebRequest& request, std::uint32_t limit_ms) {
    if (is_blank_url(request.url))
        return Bytes();
    Tasks& tasks = *platform().tasks;
    InternetApi& api = *platform().internet;

    auto job = std::make_shared<WorkerJob>(api);
    job->handed_over = fill_slots(request);
    ++workers_running;
    std::unique_ptr<Worker> worker = tasks.start_worker([job, &api] {
        RequestSlots own = job->handed_over;
        perform_http_exchange(own, api, &job->handles);
        job->handed_over = std::move(own);
        --workers_running;
    });
    if (!worker)
        --workers_running;
    const std::uint32_t started = tasks.uptime_ms();

    WaitResult result;
    do {
        result = tasks.wait_for_worker(worker.get(), limit_ms);
        const std::uint32_t elapsed = tasks.uptime_ms() - started; // modulo 2^32: a wrap of the counter is harmless
        if (static_cast<double>(elapsed) - static_cast<double>(limit_ms) >= -0.0000001)
            result = WaitResult::timed_out;
        tasks.pump_messages();
    } while (result != WaitResult::worker_ended && result != WaitResult::timed_out);

    if (result == WaitResult::timed_out) {
        job->handles.cancel();
        return timeout_reply;
    }
    return job->handed_over.slot[0];
}

Bytes web_access(const WebRequest& request) { return web_access_within(request, web_time_limit_ms); }

} // namespace namer
