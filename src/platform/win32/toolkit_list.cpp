#include <windows.h>

#include <commctrl.h>

#include "platform/win32/toolkit.h"
#include "platform/win32/window_services_win32.h"

namespace namer {
namespace {

constexpr UINT_PTR list_subclass = 3;

// The list view reports double-clicks only on items in some versions; the toolkit raises the event for every
// double-click in the row area, also below the last row. The header is a window of its own and never gets here.
LRESULT CALLBACK list_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id, DWORD_PTR) {
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, list_proc, id);
    if (message != WM_LBUTTONDBLCLK)
        return DefSubclassProc(hwnd, message, wparam, lparam);
    // The list takes the click first, so the handler sees the selection it leaves.
    const LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
    Win32WindowServices* toolkit = Win32WindowServices::current();
    LiveWindow* window = toolkit ? toolkit->live_window(GetAncestor(hwnd, GA_ROOT)) : nullptr;
    const int index = window ? window->index_of(hwnd) : -1;
    if (index >= 0)
        toolkit->raise(*window, window->control_definition(index).name, WindowEvent::DoubleClicked);
    return result;
}

} // namespace

void watch_list_double_clicks(HWND list) {
    SetWindowSubclass(list, list_proc, list_subclass, 0);
}

} // namespace namer
