#pragma once
#include <cstdint>
#include <functional>
#include <memory>

namespace namer {

// A started worker thread. Destroying the object releases the thread handle; it never stops the thread.
class Worker {
public:
    virtual ~Worker() = default;
};

// What MsgWaitForMultipleObjects reports for one worker handle.
enum class WaitResult : std::uint32_t {
    worker_ended = 0,   // WAIT_OBJECT_0
    input_waiting = 1,  // WAIT_OBJECT_0 + 1
    timed_out = 258,    // WAIT_TIMEOUT
    failed = 0xFFFFFFFF // WAIT_FAILED
};

// Threads, the wait that keeps windows alive, and the uptime clock.
class Tasks {
public:
    virtual ~Tasks() = default;

    // CreateThread with default security and stack: the thread runs `entry` and ends. Null when it cannot start.
    virtual std::unique_ptr<Worker> start_worker(std::function<void()> entry) = 0;

    // MsgWaitForMultipleObjects on the worker (none when null), wait-all false, wake mask QS_ALLEVENTS (0x4BF).
    // Without a worker, waiting input is reported as input_waiting.
    virtual WaitResult wait_for_worker(Worker* worker, std::uint32_t timeout_ms) = 0;

    // GetTickCount: milliseconds since the system started, 32 bits.
    virtual std::uint32_t uptime_ms() = 0;

    // Dispatches the GUI thread's pending window messages one at a time, until none is left or the next one is
    // the quit message, which stays queued.
    virtual void pump_messages() = 0;
};

} // namespace namer
