#include <windows.h>

#include <commctrl.h>

#include "base/gbk.h"
#include "platform/win32/toolkit.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_services_win32.h"

namespace namer {
namespace {

// Window styles that carry the settings of each kind (besides WS_CHILD and WS_VISIBLE).
struct KindStyle {
    const wchar_t* class_name;
    DWORD style;
    DWORD ex_style;
};

// The height of a line of text in the default GUI font.
int line_height() {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, default_gui_font());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return metrics.tmHeight;
}

KindStyle kind_style(const ControlDefinition& c) {
    switch (c.kind) {
    case ControlKind::EditBox:
        // No ES_NOHIDESEL: the selection is hidden while the box does not have the focus.
        if (c.multi_line)
            return {L"Edit",
                    ES_LEFT | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL,
                    WS_EX_CLIENTEDGE};
        return {L"Edit", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::OptionButton:
        // Not an automatic radio button: the toolkit checks the clicked button and unchecks the rest of its box.
        return {L"Button", BS_RADIOBUTTON | BS_LEFT | BS_VCENTER, 0};
    case ControlKind::PushButton:
        return {L"Button", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER, 0};
    case ControlKind::Label:
        // A label wraps its text only where it is tall enough to show a second line; one that holds a single line
        // keeps it whole and clips it at the right edge, instead of cutting off the part that wrapped.
        return {L"Static", static_cast<DWORD>(c.rect.height >= 2 * line_height() ? SS_LEFT : SS_LEFTNOWORDWRAP), 0};
    case ControlKind::GroupBox:
        return {L"Button", BS_GROUPBOX, 0};
    case ControlKind::TabControl:
        return {WC_TABCONTROLW, TCS_TABS | TCS_SINGLELINE | WS_CLIPSIBLINGS, 0};
    case ControlKind::Hyperlink:
        return {L"Static", SS_CENTER | SS_NOTIFY, 0};
    case ControlKind::ListView:
        // No LVS_SHOWSELALWAYS (selection hidden without the focus), no sorting, no label editing.
        return {WC_LISTVIEWW, LVS_REPORT | LVS_SINGLESEL, WS_EX_CLIENTEDGE};
    }
    return {L"Static", 0, 0};
}

void add_pages(HWND tab, const std::vector<std::string>& pages, int selected) {
    for (std::size_t i = 0; i < pages.size(); ++i) {
        std::wstring text = wide_caption(pages[i]);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageW(tab, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(tab, TCM_SETCURSEL, selected, 0);
}

void set_up_list(HWND list) {
    // Full-row selection; no grid lines, check boxes or hover tracking.
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    SendMessageW(list, LVM_SETTEXTCOLOR, 0, control_text_colour);
    SendMessageW(list, LVM_SETBKCOLOR, 0, edit_background_colour);
    SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, edit_background_colour);
    watch_list_double_clicks(list);
}

// A container hands what its controls send to the top-level window, where the program's events are raised.
LRESULT CALLBACK forwarding_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id, DWORD_PTR) {
    HWND sender = nullptr;
    switch (message) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        sender = reinterpret_cast<HWND>(lparam);
        break;
    case WM_NOTIFY:
        sender = reinterpret_cast<NMHDR*>(lparam)->hwndFrom;
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, forwarding_proc, id);
        break;
    }
    if (sender) {
        HWND root = GetAncestor(hwnd, GA_ROOT);
        Win32WindowServices* toolkit = Win32WindowServices::current();
        LiveWindow* window = toolkit ? toolkit->live_window(root) : nullptr;
        // Only the program's own controls: a tab control's scroll arrows keep talking to the tab control.
        if (window && window->index_of(sender) >= 0)
            return SendMessageW(root, message, wparam, lparam);
    }
    return DefSubclassProc(hwnd, message, wparam, lparam);
}

} // namespace

std::wstring wide_caption(const std::string& utf8) {
    return wide_from_gbk(gbk_from_utf8(utf8));
}

HFONT default_gui_font() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

HBRUSH button_face_brush() {
    return GetSysColorBrush(COLOR_BTNFACE);
}

HWND create_child(const ControlArgs& args) {
    return CreateWindowExW(args.ex_style, args.class_name, args.caption.c_str(), WS_CHILD | args.style, args.rect.left,
                           args.rect.top, args.rect.width, args.rect.height, args.parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)), GetModuleHandleW(nullptr), nullptr);
}

HWND create_control(const ControlDefinition& c, HWND parent, int id) {
    const KindStyle kind = kind_style(c);
    ControlArgs args;
    args.parent = parent;
    args.id = id;
    args.class_name = kind.class_name;
    args.caption = wide_caption(c.caption);
    args.style =
        kind.style | (c.visible ? WS_VISIBLE : 0) | (c.enabled ? 0 : WS_DISABLED) | (c.tab_stop ? WS_TABSTOP : 0);
    args.ex_style = kind.ex_style;
    args.rect = c.rect;
    HWND hwnd = create_child(args);
    if (!hwnd)
        return nullptr;
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(default_gui_font()), FALSE);
    switch (c.kind) {
    case ControlKind::EditBox:
        SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0); // no length limit
        break;
    case ControlKind::OptionButton:
        SendMessageW(hwnd, BM_SETCHECK, c.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        break;
    case ControlKind::GroupBox:
        forward_to_window(hwnd);
        break;
    case ControlKind::TabControl:
        add_pages(hwnd, c.pages, c.selected_page);
        forward_to_window(hwnd);
        break;
    case ControlKind::Hyperlink:
        make_hyperlink(hwnd, c.link);
        break;
    case ControlKind::ListView:
        set_up_list(hwnd);
        break;
    case ControlKind::PushButton:
    case ControlKind::Label:
        break;
    }
    return hwnd;
}

void forward_to_window(HWND container) {
    SetWindowSubclass(container, forwarding_proc, 1, 0);
}

} // namespace namer
