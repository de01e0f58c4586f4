#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "platform/window_services.h"

// One window of the program in another process, its controls found by the names of the window definitions, and
// what a user does to them, as window messages.
namespace namer::e2e {

// Memory in the program's process for the control messages that take a pointer (list and tab queries), which the
// system does not carry across processes. Freed with the object.
class RemoteBuffer {
public:
    RemoteBuffer(HANDLE process, std::size_t size);
    ~RemoteBuffer();
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    bool valid() const { return address_ != nullptr; }
    // The buffer's address in the program's process, `offset` bytes in.
    LPARAM address(std::size_t offset = 0) const;
    bool write(const void* data, std::size_t size, std::size_t offset = 0) const;
    bool read(void* data, std::size_t size, std::size_t offset = 0) const;

private:
    HANDLE process_;
    void* address_ = nullptr;
};

class RemoteWindow {
public:
    RemoteWindow(HANDLE process, HWND hwnd, WindowId id) : process_(process), hwnd_(hwnd), id_(id) {}

    HWND hwnd() const { return hwnd_; }
    // The control of that name, by the identifier the toolkit gives it; null when the window has none.
    HWND control(const ControlName& name) const;

    // A left click in the middle of the control, as the mouse would give it.
    void click(const ControlName& name) const;
    // The text of an edit box replaced, as typing it would.
    void set_text(const ControlName& name, const std::wstring& text) const;
    std::wstring text(const ControlName& name) const;
    bool is_checked(const ControlName& name) const;
    bool is_visible(const ControlName& name) const;

    // A click on the tab of a page of a tab control.
    void click_page(const ControlName& tab, int page) const;
    int current_page(const ControlName& tab) const;

    int row_count(const ControlName& list) const;
    std::wstring cell_text(const ControlName& list, int row, int column) const;
    // Every row's cells: rows()[row][column].
    std::vector<std::vector<std::wstring>> rows(const ControlName& list, int columns) const;
    int column_count(const ControlName& list) const;
    // A double-click with the left button on a row of a report list.
    void double_click_row(const ControlName& list, int row) const;

    // A key pressed and released where the keyboard focus of the window's thread is (the window when none).
    void press_key(UINT key) const;
    // The close button pressed.
    void close() const;

private:
    RECT tab_rect(HWND tab, int page) const;
    LRESULT send(HWND target, UINT message, WPARAM wparam, LPARAM lparam) const;

    HANDLE process_;
    HWND hwnd_;
    WindowId id_;
};

} // namespace namer::e2e
