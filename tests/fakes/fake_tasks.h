#pragma once
#include <cstdint>
#include <deque>
#include <functional>

#include "platform/tasks.h"
#include "platform/window_services.h"

namespace namer {

// A fake clock and wait. Workers do not run on a thread: each is kept until the script says it ends, and then
// runs on the calling thread. Without a script a worker ends at the first wait, at once.
class FakeTasks : public Tasks {
public:
    struct Event {
        enum Kind { worker_ends, input } kind;
        std::uint32_t at_ms; // milliseconds after the worker was started
    };

    std::uint32_t clock_ms = 1000;      // the uptime counter; may be set near 2^32 to test the wrap
    std::deque<Event> script;           // what happens while the next worker waits
    bool worker_fails_to_start = false; // start_worker returns null
    std::function<void()> on_pump;      // runs once inside the next pump_messages, e.g. a nested request
    WindowServices* windows = nullptr;  // pumping processes its pending events, as the real pump does
    int workers_started = 0;
    int waits = 0;
    int pumps = 0;
    std::uint32_t last_timeout_ms = 0;

    std::unique_ptr<Worker> start_worker(std::function<void()> entry) override;
    WaitResult wait_for_worker(Worker* worker, std::uint32_t timeout_ms) override;
    std::uint32_t uptime_ms() override { return clock_ms; }
    void pump_messages() override;
};

} // namespace namer
