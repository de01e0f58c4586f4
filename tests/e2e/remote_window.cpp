#include "remote_window.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/toolkit.h"
#include "program_process.h"
#include "ui/window_definition.h"

namespace namer::e2e {

RemoteBuffer::RemoteBuffer(HANDLE process, std::size_t size)
    : process_(process), address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}

RemoteBuffer::~RemoteBuffer() {
    if (address_)
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
}

LPARAM RemoteBuffer::address(std::size_t offset) const {
    return reinterpret_cast<LPARAM>(static_cast<char*>(address_) + offset);
}

bool RemoteBuffer::write(const void* data, std::size_t size, std::size_t offset) const {
    SIZE_T written = 0;
    return address_ && WriteProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &written) &&
           written == size;
}

bool RemoteBuffer::read(void* data, std::size_t size, std::size_t offset) const {
    SIZE_T got = 0;
    return address_ && ReadProcessMemory(process_, static_cast<char*>(address_) + offset, data, size, &got) &&
           got == size;
}

namespace {

constexpr UINT reply_limit_ms = 10000;

struct ChildSearch {
    int id = 0;
    HWND found = nullptr;
};

BOOL CALLBACK find_child(HWND hwnd, LPARAM lparam) {
    auto* search = reinterpret_cast<ChildSearch*>(lparam);
    if (GetDlgCtrlID(hwnd) != search->id)
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

POINT centre_of(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return {r.right / 2, r.bottom / 2};
}

void post_click(HWND hwnd, POINT at) {
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

} // namespace

LRESULT RemoteWindow::send(HWND target, UINT message, WPARAM wparam, LPARAM lparam) const {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(target, message, wparam, lparam, SMTO_ABORTIFHUNG, reply_limit_ms, &result))
        return 0;
    return static_cast<LRESULT>(result);
}

HWND RemoteWindow::control(const ControlName& name) const {
    const std::vector<ControlDefinition>& controls = window_definition(id_).controls;
    const auto it = std::find_if(controls.begin(), controls.end(), [&](const auto& c) { return c.name == name; });
    if (it == controls.end())
        return nullptr;
    ChildSearch search{first_control_id + static_cast<int>(it - controls.begin()), nullptr};
    EnumChildWindows(hwnd_, find_child, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void RemoteWindow::click(const ControlName& name) const {
    if (HWND hwnd = control(name))
        post_click(hwnd, centre_of(hwnd));
}

void RemoteWindow::set_text(const ControlName& name, const std::wstring& text) const {
    send(control(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring RemoteWindow::text(const ControlName& name) const {
    HWND hwnd = control(name);
    const auto length = static_cast<std::size_t>(send(hwnd, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(length + 1, L'\0');
    const auto copied = static_cast<std::size_t>(
        send(hwnd, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data())));
    text.resize(std::min(copied, length));
    return text;
}

bool RemoteWindow::is_checked(const ControlName& name) const {
    return send(control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool RemoteWindow::is_visible(const ControlName& name) const {
    HWND hwnd = control(name);
    return hwnd && IsWindowVisible(hwnd);
}

RECT RemoteWindow::tab_rect(HWND tab, int page) const {
    RemoteBuffer buffer(process_, sizeof(RECT));
    RECT item{};
    // The answer is false for a tab scrolled out of the strip, whose place is filled in all the same.
    send(tab, TCM_GETITEMRECT, static_cast<WPARAM>(page), buffer.address());
    if (!buffer.read(&item, sizeof item))
        return RECT{};
    return item;
}

void RemoteWindow::click_page(const ControlName& tab, int page) const {
    HWND hwnd = control(tab);
    // Tabs that do not fit the strip are reached with its scroll arrows, as a user does.
    HWND arrows = FindWindowExW(hwnd, nullptr, L"msctls_updown32", nullptr);
    for (int step = 0; step < 10; ++step) {
        const RECT item = tab_rect(hwnd, page);
        const POINT middle{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
        RECT arrows_rect{};
        if (arrows && IsWindowVisible(arrows)) {
            GetWindowRect(arrows, &arrows_rect);
            MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&arrows_rect), 2);
        }
        if (!arrows || !IsWindowVisible(arrows) || middle.x < arrows_rect.left) {
            post_click(hwnd, middle);
            return;
        }
        const RECT arrow_area{0, 0, arrows_rect.right - arrows_rect.left, arrows_rect.bottom - arrows_rect.top};
        post_click(arrows, {arrow_area.right * 3 / 4, arrow_area.bottom / 2});
        wait_until([&] { return tab_rect(hwnd, page).left != item.left; }, 2000);
    }
}

int RemoteWindow::current_page(const ControlName& tab) const {
    return static_cast<int>(send(control(tab), TCM_GETCURSEL, 0, 0));
}

int RemoteWindow::row_count(const ControlName& list) const {
    return static_cast<int>(send(control(list), LVM_GETITEMCOUNT, 0, 0));
}

int RemoteWindow::column_count(const ControlName& list) const {
    HWND header = reinterpret_cast<HWND>(send(control(list), LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(send(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

std::wstring RemoteWindow::cell_text(const ControlName& list, int row, int column) const {
    constexpr int capacity = 1024;
    RemoteBuffer buffer(process_, sizeof(LVITEMW) + capacity * sizeof(wchar_t));
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = reinterpret_cast<wchar_t*>(buffer.address(sizeof(LVITEMW)));
    item.cchTextMax = capacity;
    if (!buffer.write(&item, sizeof item))
        return std::wstring();
    const auto length =
        static_cast<std::size_t>(send(control(list), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), buffer.address()));
    std::wstring text(std::min<std::size_t>(length, capacity - 1), L'\0');
    if (!text.empty() && !buffer.read(text.data(), text.size() * sizeof(wchar_t), sizeof(LVITEMW)))
        return std::wstring();
    return text;
}

std::vector<std::vector<std::wstring>> RemoteWindow::rows(const ControlName& list, int columns) const {
    std::vector<std::vector<std::wstring>> rows(static_cast<std::size_t>(std::max(row_count(list), 0)));
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (int column = 0; column < columns; ++column)
            rows[row].push_back(cell_text(list, static_cast<int>(row), column));
    return rows;
}

void RemoteWindow::double_click_row(const ControlName& list, int row) const {
    HWND hwnd = control(list);
    RemoteBuffer buffer(process_, sizeof(RECT));
    RECT item{};
    item.left = LVIR_BOUNDS;
    if (!buffer.write(&item, sizeof item) || !send(hwnd, LVM_GETITEMRECT, static_cast<WPARAM>(row), buffer.address()) ||
        !buffer.read(&item, sizeof item))
        return;
    // Inside the name column, clear of the row's edges.
    const POINT at{std::min<LONG>(item.left + 50, item.right - 1), (item.top + item.bottom) / 2};
    const LPARAM where = MAKELPARAM(at.x, at.y);
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, where);
    PostMessageW(hwnd, WM_LBUTTONUP, 0, where);
    PostMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, where);
    PostMessageW(hwnd, WM_LBUTTONUP, 0, where);
}

void RemoteWindow::press_key(UINT key) const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    HWND target = hwnd_;
    if (GetGUIThreadInfo(GetWindowThreadProcessId(hwnd_, nullptr), &info) && info.hwndFocus &&
        GetAncestor(info.hwndFocus, GA_ROOT) == hwnd_)
        target = info.hwndFocus;
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(target, WM_KEYDOWN, key, 1 | scan);
    PostMessageW(target, WM_KEYUP, key, 1 | scan | (1 << 30) | (1u << 31));
}

void RemoteWindow::close() const {
    PostMessageW(hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
}

} // namespace namer::e2e
