// The rule tests against the Win32 toolkit: the user's actions are the mouse and key messages a real user's input
// would bring, posted to the controls and dispatched as the message loop dispatches them.
#include <windows.h>

#include <commctrl.h>

#include "base/gbk.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_services_win32.h"
#include "toolkit_driver.h"
#include "win32_test_support.h"

namespace namer {
namespace {

class Win32Driver : public ToolkitDriver {
public:
    explicit Win32Driver(const HandlerTable& handlers) : toolkit_(handlers) {}

    WindowServices& services() override { return toolkit_; }

    void click(WindowId window, const ControlName& control) override {
        HWND h = visible_control(window, control);
        if (!h)
            return;
        RECT area;
        GetClientRect(h, &area);
        post_click(h, {area.right / 2, area.bottom / 2});
        pump_messages();
    }

    void type(WindowId window, const ControlName& edit, const Text& text) override {
        HWND h = visible_control(window, edit);
        if (!h)
            return;
        SetFocus(h);
        SendMessageW(h, EM_SETSEL, GetWindowTextLengthW(h), GetWindowTextLengthW(h));
        for (wchar_t unit : wide_from_gbk(text))
            PostMessageW(h, WM_CHAR, unit, 1);
        pump_messages();
    }

    void choose_page(WindowId window, const ControlName& tab, int page) override {
        HWND h = visible_control(window, tab);
        if (!h)
            return;
        // A tab scrolled out of the single row is first brought into view with the row's arrows, one step at a
        // time as the user would.
        RECT item{};
        for (int step = 0; step <= count_pages(h); ++step) {
            const int in_view = tab_in_view(h, page, &item);
            if (in_view == 0)
                break;
            SendMessageW(h, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, in_view < 0 ? 0 : count_pages(h)), 0);
        }
        post_click(h, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
        pump_messages();
    }

    void press_escape(WindowId window, const ControlName& focus) override {
        HWND h = toolkit_.control_handle(window, focus);
        if (!h)
            h = toolkit_.window_handle(window);
        SetFocus(h);
        post_key(h, VK_ESCAPE);
        pump_messages();
    }

    void double_click_list(WindowId window, const ControlName& list, int row) override {
        HWND h = visible_control(window, list);
        if (!h)
            return;
        post_double_click(h, list_point(h, row));
        pump_messages();
    }

    void queue_escape(WindowId window) override { post_key(toolkit_.window_handle(window), VK_ESCAPE); }

    bool is_visible(WindowId window, const ControlName& control) override {
        HWND h = toolkit_.control_handle(window, control);
        return h && IsWindowVisible(h);
    }
    bool is_window_visible(WindowId window) override {
        HWND h = toolkit_.window_handle(window);
        return h && IsWindowVisible(h);
    }
    int current_page(WindowId window, const ControlName& tab) override {
        HWND h = toolkit_.control_handle(window, tab);
        return h ? static_cast<int>(SendMessageW(h, TCM_GETCURSEL, 0, 0)) : -1;
    }
    int instances(WindowId window) override {
        return count_program_windows(window_definition(window).settings.caption);
    }

private:
    static int count_pages(HWND tab) { return static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0)); }

    // 0 when the tab lies in the visible part of the row (its rectangle in `item`), -1 when it is scrolled off to
    // the left, 1 to the right.
    static int tab_in_view(HWND tab, int page, RECT* item) {
        *item = RECT{};
        if (!SendMessageW(tab, TCM_GETITEMRECT, page, reinterpret_cast<LPARAM>(item)) || IsRectEmpty(item)) {
            for (int i = 0; i < count_pages(tab); ++i) { // the first tab still shown tells the direction
                RECT shown{};
                if (SendMessageW(tab, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&shown)) && !IsRectEmpty(&shown))
                    return page < i ? -1 : 1;
            }
            return 1;
        }
        RECT area;
        GetClientRect(tab, &area);
        HWND arrows = FindWindowExW(tab, nullptr, UPDOWN_CLASSW, nullptr);
        if (arrows && IsWindowVisible(arrows)) {
            RECT r;
            GetWindowRect(arrows, &r);
            MapWindowPoints(nullptr, tab, reinterpret_cast<POINT*>(&r), 2);
            area.right = r.left;
        }
        if (item->left < area.left)
            return -1;
        return item->right > area.right ? 1 : 0;
    }

    HWND visible_control(WindowId window, const ControlName& control) {
        HWND h = toolkit_.control_handle(window, control);
        return h && IsWindowVisible(h) ? h : nullptr; // the user reaches only what is shown
    }

    Win32WindowServices toolkit_;
};

} // namespace

std::unique_ptr<ToolkitDriver> make_toolkit_driver(const HandlerTable& handlers) {
    return std::make_unique<Win32Driver>(handlers);
}

} // namespace namer
