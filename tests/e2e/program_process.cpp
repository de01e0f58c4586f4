#include "program_process.h"

#include <utility>

namespace namer::e2e {

OwnedHandle& OwnedHandle::operator=(OwnedHandle&& other) noexcept {
    if (this != &other) {
        reset();
        handle_ = other.release();
    }
    return *this;
}

HANDLE OwnedHandle::release() {
    return std::exchange(handle_, nullptr);
}

void OwnedHandle::reset() {
    if (handle_ && handle_ != INVALID_HANDLE_VALUE)
        CloseHandle(handle_);
    handle_ = nullptr;
}

bool wait_until(const std::function<bool()>& done, DWORD timeout_ms) {
    const ULONGLONG until = GetTickCount64() + timeout_ms;
    for (;;) {
        if (done())
            return true;
        if (GetTickCount64() >= until)
            return done();
        Sleep(20);
    }
}

std::wstring windows_path(const std::string& path) {
    const int n = MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, path.data(), static_cast<int>(path.size()), wide.data(), n);
    if (wide.empty() || wide[0] != L'/')
        return wide;
    for (wchar_t& c : wide)
        if (c == L'/')
            c = L'\\';
    return L"Z:" + wide;
}

namespace {

std::wstring folder_of(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring caption_of(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

struct WindowSearch {
    DWORD process_id = 0;
    std::vector<HWND> found;
};

BOOL CALLBACK collect_window(HWND hwnd, LPARAM lparam) {
    auto* search = reinterpret_cast<WindowSearch*>(lparam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    if (owner == search->process_id && lstrcmpW(name, L"NamerWindow") == 0 && IsWindowVisible(hwnd))
        search->found.push_back(hwnd);
    return TRUE;
}

} // namespace

ProgramProcess::ProgramProcess(const std::wstring& program) {
    std::wstring command_line = L"\"" + program + L"\"";
    const std::wstring folder = folder_of(program);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info)) {
        start_error_ = GetLastError();
        return;
    }
    CloseHandle(info.hThread);
    process_ = OwnedHandle(info.hProcess);
    id_ = info.dwProcessId;
}

ProgramProcess::~ProgramProcess() {
    if (running()) {
        TerminateProcess(process_.get(), 99);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool ProgramProcess::running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::vector<HWND> ProgramProcess::visible_windows() const {
    WindowSearch search{id_, {}};
    EnumWindows(collect_window, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<std::wstring> ProgramProcess::visible_captions() const {
    std::vector<std::wstring> captions;
    for (HWND hwnd : visible_windows())
        captions.push_back(caption_of(hwnd));
    return captions;
}

HWND ProgramProcess::wait_for_only_window(const std::wstring& caption, DWORD timeout_ms) const {
    HWND window = nullptr;
    wait_until(
        [&] {
            const std::vector<HWND> windows = visible_windows();
            window = windows.size() == 1 && caption_of(windows[0]) == caption ? windows[0] : nullptr;
            return window != nullptr || !running();
        },
        timeout_ms);
    return window;
}

std::optional<DWORD> ProgramProcess::wait_for_exit(DWORD timeout_ms) const {
    if (!process_ || WaitForSingleObject(process_.get(), timeout_ms) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

} // namespace namer::e2e
