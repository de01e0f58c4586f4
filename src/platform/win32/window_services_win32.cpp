#include "platform/win32/window_services_win32.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/backends.h"
#include "platform/win32/message_pump.h"
#include "platform/win32/toolkit.h"
#include "platform/win32/wide.h"

namespace namer {

LRESULT CALLBACK toolkit_window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

namespace {

constexpr wchar_t window_class[] = L"NamerWindow";
Win32WindowServices* the_toolkit = nullptr;

// The program's icon is resource 1; a program without it (a test) gets the system's application icon.
HICON program_icon(int size) {
    HANDLE icon = LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_SHARED);
    if (!icon)
        icon = LoadImageW(nullptr, MAKEINTRESOURCEW(32512) /* IDI_APPLICATION */, IMAGE_ICON, size, size, LR_SHARED);
    return static_cast<HICON>(icon);
}

bool register_window_class() {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = toolkit_window_proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hIcon = program_icon(GetSystemMetrics(SM_CXICON));
        wc.hIconSm = program_icon(GetSystemMetrics(SM_CXSMICON));
        wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512) /* IDC_ARROW */);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        wc.lpszClassName = window_class;
        return RegisterClassExW(&wc) != 0;
    }();
    return registered;
}

void initialise_common_controls() {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX),
                              ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&init);
}

std::wstring window_text(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

int list_row_count(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

int list_column_count(HWND list) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    return header ? static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

} // namespace

// ---- LiveWindow

int LiveWindow::index_of(HWND control) const {
    if (!control)
        return -1;
    auto it = std::find(controls.begin(), controls.end(), control);
    return it == controls.end() ? -1 : static_cast<int>(it - controls.begin());
}

int LiveWindow::index_holding(HWND child) const {
    for (HWND h = child; h && h != hwnd; h = GetParent(h))
        if (int i = index_of(h); i >= 0)
            return i;
    return -1;
}

HWND LiveWindow::control(const ControlName& name) const {
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (definition->controls[i].name == name)
            return controls[i];
    return nullptr;
}

// ---- the window procedure

LRESULT CALLBACK toolkit_window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    Win32WindowServices* toolkit = the_toolkit;
    if (message == WM_NCCREATE) {
        auto* window = static_cast<LiveWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        if (window)
            window->hwnd = hwnd;
    }
    if (message == WM_NCDESTROY && toolkit) {
        toolkit->window_gone(hwnd);
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
    if (toolkit)
        if (std::shared_ptr<LiveWindow> window = toolkit->shared(hwnd)) // kept alive while its message runs
            return toolkit->handle_message(*window, message, wparam, lparam);
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

LRESULT Win32WindowServices::handle_message(LiveWindow& window, UINT message, WPARAM wparam, LPARAM lparam) {
    HWND hwnd = window.hwnd;
    switch (message) {
    case WM_CLOSE:
        close(shared(hwnd));
        return 0;
    case WM_SETCURSOR:
        // Controls pass the question up to their window first, so this covers the whole window.
        if (busy_ && LOWORD(lparam) == HTCLIENT) {
            SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32650))); // IDC_APPSTARTING
            return TRUE;
        }
        break;
    case message_destroy_request:
        // A request for a window whose mark was cleared meanwhile is ignored.
        if (window.pending)
            destroy_now(shared(hwnd));
        return 0;
    case WM_COMMAND: {
        const int index = window.index_of(reinterpret_cast<HWND>(lparam));
        if (index < 0 || HIWORD(wparam) != BN_CLICKED)
            break;
        const ControlDefinition& c = window.control_definition(index);
        if (c.kind == ControlKind::PushButton)
            raise(window, c.name, WindowEvent::Clicked);
        else if (c.kind == ControlKind::OptionButton)
            check_option(window, index);
        return 0;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lparam);
        const int index = window.index_of(header->hwndFrom);
        if (index >= 0 && window.control_definition(index).kind == ControlKind::TabControl &&
            header->code == TCN_SELCHANGE) {
            show_page(window, index, static_cast<int>(SendMessageW(header->hwndFrom, TCM_GETCURSEL, 0, 0)));
            return 0;
        }
        break; // column header clicks and the rest: nothing is sorted and no program code runs
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (window.index_holding(reinterpret_cast<HWND>(lparam)) < 0)
            break;
        SetTextColor(reinterpret_cast<HDC>(wparam), control_text_colour);
        SetBkColor(reinterpret_cast<HDC>(wparam), GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(button_face_brush());
    case WM_CTLCOLOREDIT:
        if (window.index_holding(reinterpret_cast<HWND>(lparam)) < 0)
            break;
        SetTextColor(reinterpret_cast<HDC>(wparam), control_text_colour);
        SetBkColor(reinterpret_cast<HDC>(wparam), edit_background_colour);
        return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
    case WM_SETFONT:
        window.font = reinterpret_cast<HFONT>(wparam);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(window.font);
    case WM_ACTIVATE:
        if (LOWORD(wparam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd, focus))
                window.saved_focus = focus;
        } else if (!HIWORD(wparam)) {
            HWND saved = window.saved_focus;
            if (saved && IsWindow(saved) && IsChild(hwnd, saved) && IsWindowVisible(saved) && IsWindowEnabled(saved))
                SetFocus(saved);
            else
                focus_first(window);
        }
        return 0;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

// ---- the toolkit

Win32WindowServices::Win32WindowServices(HandlerTable handlers, std::vector<WindowDefinition> definitions)
    : handlers_(std::move(handlers)), definitions_(std::move(definitions)) {
    initialise_common_controls();
    register_window_class();
    the_toolkit = this;
    set_message_filter(handle_dialog_key);
}

Win32WindowServices::~Win32WindowServices() {
    ending_ = true;
    release_windows();
    if (the_toolkit != this)
        return; // a newer toolkit has taken over the process
    apply_control_skin(0);
    set_message_filter(nullptr);
    the_toolkit = nullptr;
}

Win32WindowServices* Win32WindowServices::current() {
    return the_toolkit;
}

const WindowDefinition& Win32WindowServices::definition(WindowId id) const {
    for (const WindowDefinition& w : definitions_)
        if (w.id == id)
            return w;
    return window_definition(id);
}

std::shared_ptr<LiveWindow> Win32WindowServices::find(WindowId id) const {
    auto it = windows_.find(id);
    return it != windows_.end() && it->second->hwnd ? it->second : nullptr;
}

std::shared_ptr<LiveWindow> Win32WindowServices::shared(HWND root) const {
    if (!root)
        return nullptr;
    for (const auto& entry : windows_)
        if (entry.second->hwnd == root)
            return entry.second;
    return nullptr;
}

LiveWindow* Win32WindowServices::live_window(HWND root) {
    return shared(root).get();
}

HWND Win32WindowServices::window_handle(WindowId id) const {
    auto window = find(id);
    return window ? window->hwnd : nullptr;
}

HWND Win32WindowServices::control_handle(WindowId id, const ControlName& name) const {
    auto window = find(id);
    return window ? window->control(name) : nullptr;
}

HWND Win32WindowServices::control_of_kind(WindowId id, const ControlName& name, ControlKind kind) const {
    auto window = find(id);
    if (!window)
        return nullptr;
    const ControlDefinition* c = window->definition->find(name);
    return c && c->kind == kind ? window->control(name) : nullptr;
}

void Win32WindowServices::raise(LiveWindow& window, const ControlName& source, WindowEvent event) {
    auto keep = shared(window.hwnd); // the handler may destroy the window
    const std::string handler = window.definition->handler_for(source, event);
    if (!handler.empty())
        handlers_.run(handler);
}

// ---- controls

Text Win32WindowServices::edit_text(WindowId id, const ControlName& edit) {
    HWND box = control_of_kind(id, edit, ControlKind::EditBox);
    return box ? gbk_from_wide(window_text(box)) : Text();
}

bool Win32WindowServices::is_checked(WindowId id, const ControlName& option) {
    HWND button = control_of_kind(id, option, ControlKind::OptionButton);
    return button && SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int Win32WindowServices::first_selected_row(WindowId id, const ControlName& name) {
    HWND list = control_of_kind(id, name, ControlKind::ListView);
    return list ? static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)) : -1;
}

Text Win32WindowServices::cell_text(WindowId id, const ControlName& name, int row, int column) {
    HWND list = control_of_kind(id, name, ControlKind::ListView);
    if (!list || row < 0 || column < 0 || row >= list_row_count(list) || column >= list_column_count(list))
        return Text();
    std::wstring buffer(256, L'\0');
    for (;;) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto length =
            static_cast<std::size_t>(SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < buffer.size()) {
            buffer.resize(length);
            return gbk_from_wide(buffer);
        }
        buffer.assign(buffer.size() * 2, L'\0'); // the text filled the buffer: it may be longer
    }
}

void Win32WindowServices::insert_column(WindowId id, const ControlName& name, const Text& title, int width) {
    HWND list = control_of_kind(id, name, ControlKind::ListView);
    if (!list)
        return;
    std::wstring text = wide_from_gbk(title);
    const int index = list_column_count(list);
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = text.data();
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

int Win32WindowServices::insert_row(WindowId id, const ControlName& name, const Text& first_cell) {
    HWND list = control_of_kind(id, name, ControlKind::ListView);
    if (!list)
        return -1;
    std::wstring text = wide_from_gbk(first_cell);
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = list_row_count(list);
    item.pszText = text.data();
    return static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

void Win32WindowServices::set_cell(WindowId id, const ControlName& name, int row, int column, const Text& text) {
    HWND list = control_of_kind(id, name, ControlKind::ListView);
    if (!list || row < 0 || column < 0 || row >= list_row_count(list))
        return;
    std::wstring wide = wide_from_gbk(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

void Win32WindowServices::append_to_edit_box(WindowId id, const ControlName& edit, const Text& text) {
    HWND box = control_of_kind(id, edit, ControlKind::EditBox);
    if (!box)
        return;
    const std::wstring wide = wide_from_gbk(text);
    const int end = GetWindowTextLengthW(box);
    SendMessageW(box, EM_SETSEL, end, end);
    SendMessageW(box, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
    SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

void Win32WindowServices::scroll_to_start(WindowId id, const ControlName& edit) {
    HWND box = control_of_kind(id, edit, ControlKind::EditBox);
    if (!box)
        return;
    SendMessageW(box, EM_SETSEL, 0, 0);
    SendMessageW(box, EM_SCROLLCARET, 0, 0);
}

void Win32WindowServices::check_option(LiveWindow& window, int index) {
    const ControlName& group = window.control_definition(index).container;
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        const ControlDefinition& c = window.control_definition(i);
        if (c.kind == ControlKind::OptionButton && c.container == group)
            SendMessageW(window.controls[i], BM_SETCHECK, static_cast<int>(i) == index ? BST_CHECKED : BST_UNCHECKED,
                         0);
    }
}

void Win32WindowServices::show_page(LiveWindow& window, int tab_index, int page) {
    const ControlName& tab = window.control_definition(tab_index).name;
    HWND focus = GetFocus();
    const bool focus_inside = focus && IsChild(window.hwnd, focus);
    // Hide the old page first, then show the new one, so that no two pages are ever seen together.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < window.controls.size(); ++i) {
            const ControlDefinition& c = window.control_definition(i);
            if (c.container != tab || !c.visible)
                continue;
            const bool on_page = c.page == page;
            if (pass == 0 && !on_page)
                ShowWindow(window.controls[i], SW_HIDE);
            else if (pass == 1 && on_page)
                ShowWindow(window.controls[i], SW_SHOWNA);
        }
    }
    // The focus must not stay on a control the user cannot see.
    if (window.saved_focus && !IsWindowVisible(window.saved_focus))
        window.saved_focus = nullptr;
    if (focus_inside && !IsWindowVisible(focus) && GetActiveWindow() == window.hwnd)
        focus_first(window);
}

void Win32WindowServices::set_current_page(WindowId id, const ControlName& name, int index) {
    auto window = find(id);
    HWND tab = control_of_kind(id, name, ControlKind::TabControl);
    if (!window || !tab)
        return;
    const int count = static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
    if (count <= 0)
        return;
    const int page = std::clamp(index, 0, count - 1);
    SendMessageW(tab, TCM_SETCURSEL, page, 0);
    show_page(*window, window->index_of(tab), page);
}

void Win32WindowServices::focus_first(LiveWindow& window) {
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        HWND c = window.controls[i];
        if (window.control_definition(i).tab_stop && c && IsWindowVisible(c) && IsWindowEnabled(c)) {
            SetFocus(c);
            return;
        }
    }
    SetFocus(window.hwnd); // keys still reach the window, Esc included
}

// ---- windows

bool Win32WindowServices::is_open(WindowId id) {
    return find(id) != nullptr;
}

bool Win32WindowServices::is_destruction_pending(WindowId id) {
    auto window = find(id);
    return window && window->pending;
}

void Win32WindowServices::create_window(const std::shared_ptr<LiveWindow>& window) {
    const WindowSettings& s = window->definition->settings;
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | (s.minimize_box ? WS_MINIMIZEBOX : 0) |
                        (s.maximize_box ? WS_MAXIMIZEBOX : 0) | (s.resizable ? WS_THICKFRAME : 0);
    // No owner window, so it has its own taskbar button.
    const DWORD ex_style =
        WS_EX_APPWINDOW | (s.resizable ? 0 : WS_EX_DLGMODALFRAME) | (s.always_on_top ? WS_EX_TOPMOST : 0);
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    if (s.centred) {
        x = (GetSystemMetrics(SM_CXSCREEN) - s.outer_width) / 2;
        y = (GetSystemMetrics(SM_CYSCREEN) - s.outer_height) / 2;
    }
    HWND hwnd = CreateWindowExW(ex_style, window_class, wide_caption(s.caption).c_str(), style, x, y, s.outer_width,
                                s.outer_height, nullptr, nullptr, GetModuleHandleW(nullptr), window.get());
    if (!hwnd) {
        window->hwnd = nullptr;
        return;
    }
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(default_gui_font()), FALSE);
    SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(program_icon(GetSystemMetrics(SM_CXICON))));
    SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(program_icon(GetSystemMetrics(SM_CXSMICON))));

    const auto& controls = window->definition->controls;
    window->controls.assign(controls.size(), nullptr);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        HWND parent = controls[i].container.empty() ? hwnd : window->control(controls[i].container);
        if (parent)
            window->controls[i] = create_control(controls[i], parent, first_control_id + static_cast<int>(i));
    }
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].kind == ControlKind::TabControl && window->controls[i])
            show_page(*window, static_cast<int>(i), controls[i].selected_page);
}

void Win32WindowServices::open_window(WindowId id) {
    if (auto open = find(id)) {
        if (!open->pending) {
            if (IsIconic(open->hwnd))
                ShowWindow(open->hwnd, SW_RESTORE);
            SetForegroundWindow(open->hwnd);
            return;
        }
        ++replacing_;
        destroy_now(open);
        --replacing_;
    }
    auto window = std::make_shared<LiveWindow>();
    window->id = id;
    window->definition = &definition(id);
    windows_[id] = window;
    create_window(window);
    if (!window->hwnd) {
        windows_.erase(id);
        end_loop_if_no_window();
        return;
    }
    raise(*window, "", WindowEvent::Created); // still invisible
    if (!window->hwnd)
        return;
    ShowWindow(window->hwnd, SW_SHOW);
    SetForegroundWindow(window->hwnd);
}

void Win32WindowServices::destroy_window(WindowId id) {
    auto window = find(id);
    if (!window)
        return;
    window->pending = true;
    PostMessageW(window->hwnd, message_destroy_request, 0, 0);
}

void Win32WindowServices::destroy_now(const std::shared_ptr<LiveWindow>& window) {
    HWND hwnd = window ? window->hwnd : nullptr;
    if (!hwnd)
        return;
    window->pending = false;
    if (!window->quiet)
        raise(*window, "", WindowEvent::WillBeDestroyed);
    if (window->hwnd == hwnd) // unless the handler had it destroyed already
        DestroyWindow(hwnd);
}

void Win32WindowServices::close(const std::shared_ptr<LiveWindow>& window) {
    if (!window || !window->hwnd || window->closing)
        return; // a second close while the can-be-closed handler runs (it may wait for a request)
    HWND hwnd = window->hwnd;
    window->closing = true;
    raise(*window, "", WindowEvent::CanBeClosed);
    window->closing = false;
    if (window->hwnd == hwnd)
        destroy_now(window);
}

void Win32WindowServices::window_gone(HWND hwnd) {
    for (auto it = windows_.begin(); it != windows_.end(); ++it) {
        if (it->second->hwnd == hwnd) {
            it->second->hwnd = nullptr;
            it->second->controls.clear();
            windows_.erase(it);
            break;
        }
    }
    if (replacing_ == 0)
        end_loop_if_no_window();
}

void Win32WindowServices::end_loop_if_no_window() {
    if (loop_running_ && !ending_ && windows_.empty()) {
        quit_posted_ = true;
        PostQuitMessage(0);
    }
}

void Win32WindowServices::release_windows() {
    std::vector<std::shared_ptr<LiveWindow>> all;
    for (const auto& entry : windows_)
        all.push_back(entry.second);
    for (const auto& window : all) {
        window->quiet = true;
        window->pending = false;
        if (window->hwnd)
            DestroyWindow(window->hwnd);
    }
    windows_.clear();
}

void Win32WindowServices::set_exit_routine(std::function<void()> routine) {
    exit_routine_ = std::move(routine);
}

void Win32WindowServices::run_exit_routine() {
    auto routine = std::move(exit_routine_);
    exit_routine_ = nullptr; // unregistered before it runs: it runs once
    if (routine)
        routine();
}

void Win32WindowServices::end_program(int exit_code) {
    ending_ = true;
    release_windows(); // without their will-be-destroyed events
    run_exit_routine();
    apply_control_skin(0);
    set_message_filter(nullptr);
    ExitProcess(static_cast<UINT>(exit_code));
}

void Win32WindowServices::set_busy(bool busy) {
    busy_ = busy;
    // Moving the pointer onto itself makes the window under it ask for its cursor again.
    POINT point;
    if (GetCursorPos(&point))
        SetCursorPos(point.x, point.y);
}

void Win32WindowServices::process_pending_events() {
    pump_pending_messages();
}

int Win32WindowServices::run_message_loop() {
    loop_running_ = true;
    end_loop_if_no_window();
    int exit_code = 0;
    MSG message;
    for (;;) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == -1)
            break;
        if (got == 0) {
            exit_code = static_cast<int>(message.wParam);
            // Posted when the last window went, but a window was opened before the loop saw it: go on.
            if (quit_posted_ && !windows_.empty()) {
                quit_posted_ = false;
                continue;
            }
            break;
        }
        dispatch_message(message);
    }
    loop_running_ = false;
    quit_posted_ = false;
    ending_ = true;
    release_windows();
    ending_ = false;
    run_exit_routine();
    apply_control_skin(0);
    return exit_code;
}

void Win32WindowServices::set_control_skin(int style) {
    apply_control_skin(style);
}

std::unique_ptr<WindowServices> make_win32_window_services(const HandlerTable& handlers) {
    return std::make_unique<Win32WindowServices>(handlers);
}

} // namespace namer
