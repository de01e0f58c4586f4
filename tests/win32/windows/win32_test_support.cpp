#include "win32_test_support.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/message_pump.h"

namespace namer {

void pump_messages() {
    for (int round = 0; round < 3; ++round) {
        pump_pending_messages();
        Sleep(1);
    }
    pump_pending_messages();
}

void post_click(HWND hwnd, POINT at) {
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

void post_double_click(HWND hwnd, POINT at) {
    post_click(hwnd, at);
    PostMessageW(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    PostMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
}

void post_key(HWND hwnd, UINT key, bool repeat) {
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(hwnd, WM_KEYDOWN, key, 1 | scan | (repeat ? (1 << 30) : 0));
    PostMessageW(hwnd, WM_KEYUP, key, 1 | scan | (1 << 30) | (1u << 31));
}

POINT list_point(HWND list, int row) {
    const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    RECT item{};
    item.left = LVIR_BOUNDS;
    if (row >= 0 && row < rows) {
        SendMessageW(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&item));
        return {std::min<LONG>(item.left + 20, item.right - 1), (item.top + item.bottom) / 2};
    }
    RECT header{};
    GetWindowRect(reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)), &header);
    int y = header.bottom - header.top;
    if (rows > 0) {
        SendMessageW(list, LVM_GETITEMRECT, rows - 1, reinterpret_cast<LPARAM>(&item));
        y = item.bottom;
    }
    return {20, y + 6};
}

namespace {
struct CountArgs {
    std::wstring caption;
    int count = 0;
};

BOOL CALLBACK count_window(HWND hwnd, LPARAM lparam) {
    auto* args = reinterpret_cast<CountArgs*>(lparam);
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    if (lstrcmpW(name, L"NamerWindow") == 0 && text_of(hwnd) == args->caption)
        ++args->count;
    return TRUE;
}
} // namespace

int count_program_windows(const std::string& caption) {
    CountArgs args{wide_from_utf8(caption)};
    EnumThreadWindows(GetCurrentThreadId(), count_window, reinterpret_cast<LPARAM>(&args));
    return args.count;
}

std::wstring wide_from_utf8(const std::string& utf8) {
    if (utf8.empty())
        return std::wstring();
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

std::wstring text_of(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

bool Pixels::contains(COLORREF colour) const {
    return std::find(colours.begin(), colours.end(), colour) != colours.end();
}

Pixels capture(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    pump_messages();
    RECT area;
    GetWindowRect(hwnd, &area);
    Pixels pixels;
    pixels.width = area.right - area.left;
    pixels.height = area.bottom - area.top;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC window_dc = GetWindowDC(hwnd);
    HDC memory_dc = CreateCompatibleDC(window_dc);
    HBITMAP bitmap = CreateDIBSection(window_dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory_dc, bitmap);
    BitBlt(memory_dc, 0, 0, pixels.width, pixels.height, window_dc, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* bgra = static_cast<const unsigned char*>(bits);
    for (int i = 0; i < pixels.width * pixels.height; ++i)
        pixels.colours.push_back(RGB(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]));
    SelectObject(memory_dc, old);
    DeleteObject(bitmap);
    DeleteDC(memory_dc);
    ReleaseDC(hwnd, window_dc);
    return pixels;
}

} // namespace namer
