#include <windows.h>

#include "platform/win32/backends.h"
#include "platform/win32/message_pump.h"

namespace namer {
namespace {

// QS_ALLEVENTS: input, posted messages, timers, paint and hot keys; sent messages do not wake the wait.
constexpr DWORD wake_mask = 0x4BF;

class ThreadWorker : public Worker {
public:
    explicit ThreadWorker(HANDLE thread) : thread_(thread) {}
    ~ThreadWorker() override { CloseHandle(thread_); }
    HANDLE handle() const { return thread_; }

private:
    HANDLE thread_;
};

DWORD WINAPI worker_entry(LPVOID parameter) {
    std::unique_ptr<std::function<void()>> entry(static_cast<std::function<void()>*>(parameter));
    (*entry)();
    return 0;
}

class Win32Tasks : public Tasks {
public:
    std::unique_ptr<Worker> start_worker(std::function<void()> entry) override {
        auto parameter = std::make_unique<std::function<void()>>(std::move(entry));
        HANDLE thread = CreateThread(nullptr, 0, worker_entry, parameter.get(), 0, nullptr);
        if (!thread)
            return nullptr;
        parameter.release(); // the thread owns it now
        return std::make_unique<ThreadWorker>(thread);
    }

    WaitResult wait_for_worker(Worker* worker, std::uint32_t timeout_ms) override {
        HANDLE handles[1] = {worker ? static_cast<ThreadWorker*>(worker)->handle() : nullptr};
        const DWORD count = worker ? 1 : 0;
        const DWORD result = MsgWaitForMultipleObjects(count, handles, FALSE, timeout_ms, wake_mask);
        if (result == WAIT_OBJECT_0 + count)
            return WaitResult::input_waiting;
        if (worker && result == WAIT_OBJECT_0)
            return WaitResult::worker_ended;
        if (result == WAIT_TIMEOUT)
            return WaitResult::timed_out;
        return WaitResult::failed;
    }

    std::uint32_t uptime_ms() override { return GetTickCount(); }

    void pump_messages() override { pump_pending_messages(); }
};

} // namespace

std::unique_ptr<Tasks> make_win32_tasks() { return std::make_unique<Win32Tasks>(); }

} // namespace namer
