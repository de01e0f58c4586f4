#include "fake_tasks.h"

namespace namer {
namespace {

struct FakeWorker : Worker {
    std::function<void()> entry;
    std::uint32_t started_at = 0;
    std::deque<FakeTasks::Event> script;
    bool ended = false;
};

} // namespace

std::unique_ptr<Worker> FakeTasks::start_worker(std::function<void()> entry) {
    if (worker_fails_to_start)
        return nullptr;
    ++workers_started;
    auto worker = std::make_unique<FakeWorker>();
    worker->entry = std::move(entry);
    worker->started_at = clock_ms;
    worker->script.swap(script);
    if (worker->script.empty())
        worker->script.push_back({Event::worker_ends, 0});
    return worker;
}

WaitResult FakeTasks::wait_for_worker(Worker* worker, std::uint32_t timeout_ms) {
    ++waits;
    last_timeout_ms = timeout_ms;
    auto* fake = static_cast<FakeWorker*>(worker);
    if (fake && fake->ended)
        return WaitResult::worker_ended;
    if (!fake || fake->script.empty()) {
        clock_ms += timeout_ms;
        return WaitResult::timed_out;
    }
    const Event next = fake->script.front();
    const std::uint32_t now = clock_ms - fake->started_at;
    const std::uint32_t at = next.at_ms > now ? next.at_ms : now;
    if (at - now > timeout_ms) {
        clock_ms += timeout_ms;
        return WaitResult::timed_out;
    }
    clock_ms += at - now;
    fake->script.pop_front();
    if (next.kind == Event::input)
        return WaitResult::input_waiting;
    fake->ended = true;
    fake->entry();
    return WaitResult::worker_ended;
}

void FakeTasks::pump_messages() {
    ++pumps;
    if (windows)
        windows->process_pending_events();
    if (on_pump) {
        auto hook = std::move(on_pump); // a nested request must not run the hook again
        on_pump = nullptr;
        hook();
    }
}

} // namespace namer
