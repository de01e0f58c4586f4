#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/win32/toolkit.h"
#include "platform/win32/wide.h"

namespace namer {
namespace {

constexpr COLORREF link_colour = RGB(0, 0, 255);
constexpr COLORREF hover_colour = RGB(49, 106, 197);
constexpr COLORREF followed_colour = RGB(128, 0, 0);
constexpr UINT_PTR link_subclass = 2;
constexpr wchar_t link_property[] = L"NamerLink"; // the link's state, for hyperlink_text_colour

struct LinkState {
    LinkTarget target;
    bool hover = false;
    bool followed = false;
};

// The address following the link opens: the web address, or "mailto:" and the e-mail address; empty when the
// chosen address is empty.
std::string address_of(const LinkTarget& target) {
    if (target.kind == LinkKind::Web)
        return target.web_address;
    return target.email_address.empty() ? std::string() : "mailto:" + target.email_address;
}

void follow(HWND link, LinkState& state) {
    const std::string address = address_of(state.target);
    if (address.empty())
        return; // nothing opens and the link keeps its colour
    if (Shell* shell = platform().shell)
        shell->open_web_address(address);
    state.followed = true;
    InvalidateRect(link, nullptr, TRUE);
}

void paint(HWND link, const LinkState& state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(link, &ps);
    RECT area;
    GetClientRect(link, &area);
    FillRect(dc, &area, button_face_brush());
    const int length = GetWindowTextLengthW(link);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(link, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    auto font = reinterpret_cast<HFONT>(SendMessageW(link, WM_GETFONT, 0, 0));
    HGDIOBJ old_font = SelectObject(dc, font ? font : default_gui_font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, state.hover ? hover_colour : state.followed ? followed_colour : link_colour);
    DrawTextW(dc, text.c_str(), length, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, old_font);
    EndPaint(link, &ps);
}

LRESULT CALLBACK link_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id, DWORD_PTR data) {
    auto* state = reinterpret_cast<LinkState*>(data);
    switch (message) {
    case WM_PAINT:
        paint(hwnd, *state);
        return 0;
    case WM_ERASEBKGND:
        return 1; // painting fills the background
    case WM_SETCURSOR:
        SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649) /* IDC_HAND */));
        return TRUE;
    case WM_MOUSEMOVE:
        if (!state->hover) {
            state->hover = true;
            TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, hwnd, 0};
            TrackMouseEvent(&track);
            InvalidateRect(hwnd, nullptr, TRUE);
        }
        return 0;
    case WM_MOUSELEAVE:
        state->hover = false;
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_LBUTTONDOWN:
        follow(hwnd, *state);
        return 0;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, link_proc, id);
        RemovePropW(hwnd, link_property);
        std::unique_ptr<LinkState>{state}; // made by make_hyperlink, owned by the link until now
        break;
    }
    return DefSubclassProc(hwnd, message, wparam, lparam);
}

LinkState* state_of(HWND link) {
    return static_cast<LinkState*>(GetPropW(link, link_property));
}

} // namespace

void make_hyperlink(HWND label, const LinkTarget& target) {
    auto state = std::make_unique<LinkState>();
    state->target = target;
    if (!SetWindowSubclass(label, link_proc, link_subclass, reinterpret_cast<DWORD_PTR>(state.get())))
        return;
    SetPropW(label, link_property, state.get());
    state.release(); // freed when the link is destroyed
}

COLORREF hyperlink_text_colour(HWND link) {
    const LinkState* state = state_of(link);
    if (!state)
        return CLR_INVALID;
    return state->hover ? hover_colour : state->followed ? followed_colour : link_colour;
}

} // namespace namer
