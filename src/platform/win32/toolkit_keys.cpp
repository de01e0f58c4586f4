#include <windows.h>

#include <commctrl.h>

#include "platform/win32/toolkit.h"
#include "platform/win32/window_services_win32.h"

namespace namer {
namespace {

bool is_key_down(int key) {
    return (GetKeyState(key) & 0x8000) != 0;
}

bool can_take_focus(HWND control) {
    return control && IsWindowVisible(control) && IsWindowEnabled(control);
}

// Tab and Shift+Tab: the next control that takes the focus with Tab, in definition order, round the window.
void move_focus(LiveWindow& window, int from, bool backwards) {
    const int count = static_cast<int>(window.controls.size());
    const int start = from >= 0 ? from : (backwards ? 0 : count - 1);
    for (int step = 1; step <= count; ++step) {
        const int i = ((start + (backwards ? -step : step)) % count + count) % count;
        if (!window.control_definition(i).tab_stop || !can_take_focus(window.controls[i]))
            continue;
        SetFocus(window.controls[i]);
        const ControlDefinition& c = window.control_definition(i);
        if (c.kind == ControlKind::EditBox && !c.multi_line)
            SendMessageW(window.controls[i], EM_SETSEL, 0, -1);
        return;
    }
}

// Ctrl+Tab and Ctrl+Shift+Tab: the next page of the window's tab control, as if its tab had been clicked.
bool turn_page(LiveWindow& window, bool backwards) {
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        if (window.control_definition(i).kind != ControlKind::TabControl)
            continue;
        HWND tab = window.controls[i];
        const int count = static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
        if (count <= 0)
            return true;
        const int current = static_cast<int>(SendMessageW(tab, TCM_GETCURSEL, 0, 0));
        const int next = ((current + (backwards ? -1 : 1)) % count + count) % count;
        SendMessageW(tab, TCM_SETCURSEL, next, 0);
        Win32WindowServices::current()->show_page(window, static_cast<int>(i), next);
        return true;
    }
    return false;
}

// Arrow keys in an option group: the neighbouring button of the same group box, focused and checked.
void move_in_group(LiveWindow& window, int from, bool backwards) {
    const ControlName& group = window.control_definition(from).container;
    std::vector<int> members;
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        const ControlDefinition& c = window.control_definition(i);
        if (c.kind == ControlKind::OptionButton && c.container == group && can_take_focus(window.controls[i]))
            members.push_back(static_cast<int>(i));
    }
    const int count = static_cast<int>(members.size());
    for (int k = 0; k < count; ++k) {
        if (members[k] != from)
            continue;
        HWND next = window.controls[members[((k + (backwards ? -1 : 1)) % count + count) % count]];
        SetFocus(next);
        SendMessageW(next, BM_CLICK, 0, 0);
        return;
    }
}

} // namespace

bool handle_dialog_key(MSG& message) {
    if (message.message != WM_KEYDOWN)
        return false;
    Win32WindowServices* toolkit = Win32WindowServices::current();
    HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    LiveWindow* window = toolkit && root ? toolkit->live_window(root) : nullptr;
    if (!window)
        return false;
    const int focused = window->index_holding(message.hwnd);
    const ControlDefinition* control = focused >= 0 ? &window->control_definition(focused) : nullptr;
    const bool repeated = (message.lParam & (1 << 30)) != 0;

    switch (message.wParam) {
    case VK_ESCAPE:
        if (!window->definition->settings.escape_closes)
            return false;
        // One press closes one window: the repeats of a held key do not close the window that comes next.
        if (!repeated)
            SendMessageW(root, WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    case VK_TAB:
        if (is_key_down(VK_CONTROL))
            return turn_page(*window, is_key_down(VK_SHIFT));
        move_focus(*window, focused, is_key_down(VK_SHIFT));
        return true;
    case VK_RETURN:
        if (control && control->kind == ControlKind::PushButton) {
            SendMessageW(window->controls[focused], BM_CLICK, 0, 0);
            return true;
        }
        // A single-line box has no use for Enter; the multi-line box takes it as a line break.
        return control && control->kind == ControlKind::EditBox && !control->multi_line;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (!control || control->kind != ControlKind::OptionButton)
            return false;
        move_in_group(*window, focused, message.wParam == VK_LEFT || message.wParam == VK_UP);
        return true;
    }
    return false;
}

} // namespace namer
