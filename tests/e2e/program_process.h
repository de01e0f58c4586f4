#pragma once
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

// namer.exe in a process of its own, as a user starts it, and its top-level windows.
namespace namer::e2e {

// A kernel handle closed with the object.
class OwnedHandle {
public:
    OwnedHandle() = default;
    explicit OwnedHandle(HANDLE handle) : handle_(handle) {}
    ~OwnedHandle() { reset(); }
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.release()) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept;
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    HANDLE get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    HANDLE release();
    void reset();

private:
    HANDLE handle_ = nullptr;
};

// Calls `done` every 20 ms until it answers true or `timeout_ms` have passed; returns its last answer.
bool wait_until(const std::function<bool()>& done, DWORD timeout_ms);

// A path for the wide API: a Linux path (as CTest and the scripts hand them over under Wine) becomes its Z: drive
// form, a Windows path stays as it is.
std::wstring windows_path(const std::string& path);

class ProgramProcess {
public:
    // Starts the program with its own folder as the working folder. started() tells whether that worked.
    explicit ProgramProcess(const std::wstring& program);
    // A program still running when the test ends (a failed test) is terminated.
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    bool started() const { return static_cast<bool>(process_); }
    DWORD start_error() const { return start_error_; }
    DWORD id() const { return id_; }
    HANDLE handle() const { return process_.get(); }
    bool running() const;

    // The program's visible top-level windows of the toolkit's class.
    std::vector<HWND> visible_windows() const;
    std::vector<std::wstring> visible_captions() const;
    // The one visible window with that caption, once it is the only visible window of the program; null when that
    // does not happen within the time.
    HWND wait_for_only_window(const std::wstring& caption, DWORD timeout_ms) const;

    // The exit code once the process has ended within the time.
    std::optional<DWORD> wait_for_exit(DWORD timeout_ms) const;

private:
    OwnedHandle process_;
    DWORD id_ = 0;
    DWORD start_error_ = 0;
};

} // namespace namer::e2e
