#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <set>
#include <string>

#include "platform/win32/toolkit.h"

// The flat restyling of the standard controls: push, check and option buttons, group boxes, edit boxes, combo
// boxes with their drop-down lists and spin buttons of every window of the thread, drawn with one-pixel frames in
// the style's colour. Existing controls are subclassed when the restyling starts, later ones by a CBT hook as they
// are created. List views, tab controls, labels and hyperlinks keep their own look.
namespace namer {
namespace {

enum class Skinned { None, PushButton, CheckButton, OptionButton, GroupBox, EditBox, ComboBox, DropList, SpinButton };

constexpr UINT_PTR skin_subclass = 10;

struct SkinState {
    COLORREF colour = CLR_INVALID;
    HHOOK hook = nullptr;
    std::set<HWND> windows;
};

SkinState& skin() {
    static SkinState state;
    return state;
}

// ---- GDI guards

class Brush {
public:
    explicit Brush(COLORREF colour) : brush_(CreateSolidBrush(colour)) {}
    ~Brush() { DeleteObject(brush_); }
    Brush(const Brush&) = delete;
    Brush& operator=(const Brush&) = delete;
    operator HBRUSH() const { return brush_; }

private:
    HBRUSH brush_;
};

class Pen {
public:
    Pen(COLORREF colour, int width = 1) : pen_(CreatePen(PS_SOLID, width, colour)) {}
    ~Pen() { DeleteObject(pen_); }
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;
    operator HPEN() const { return pen_; }

private:
    HPEN pen_;
};

class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, old_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

class WindowDc {
public:
    explicit WindowDc(HWND hwnd, bool whole_window = false)
        : hwnd_(hwnd), dc_(whole_window ? GetWindowDC(hwnd) : GetDC(hwnd)) {}
    ~WindowDc() {
        if (dc_)
            ReleaseDC(hwnd_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    operator HDC() const { return dc_; }

private:
    HWND hwnd_;
    HDC dc_;
};

class Painting {
public:
    explicit Painting(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
    ~Painting() { EndPaint(hwnd_, &paint_); }
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;
    operator HDC() const { return dc_; }

private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// ---- which controls

std::wstring class_of(HWND hwnd) {
    wchar_t name[64] = {};
    const int length = GetClassNameW(hwnd, name, 64);
    return std::wstring(name, length > 0 ? static_cast<std::size_t>(length) : 0);
}

bool same_class(const std::wstring& name, const wchar_t* wanted) {
    return lstrcmpiW(name.c_str(), wanted) == 0;
}

Skinned classify(HWND hwnd, LONG style) {
    const std::wstring name = class_of(hwnd);
    if (same_class(name, L"Button")) {
        if (style & BS_PUSHLIKE)
            return Skinned::PushButton;
        switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            return Skinned::PushButton;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            return Skinned::CheckButton;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return Skinned::OptionButton;
        case BS_GROUPBOX:
            return Skinned::GroupBox;
        }
        return Skinned::None; // owner-drawn and other buttons draw themselves
    }
    if (same_class(name, L"Edit")) {
        HWND parent = GetParent(hwnd);
        // The fields of an IP-address box belong to the look of that box.
        return parent && same_class(class_of(parent), L"SysIPAddress32") ? Skinned::None : Skinned::EditBox;
    }
    if (same_class(name, L"ComboBox"))
        return Skinned::ComboBox;
    if (same_class(name, L"ComboLBox"))
        return Skinned::DropList;
    if (same_class(name, UPDOWN_CLASSW))
        return Skinned::SpinButton;
    return Skinned::None;
}

// ---- drawing

COLORREF blend(COLORREF a, COLORREF b, int percent_b) {
    auto mix = [&](int x, int y) { return (x * (100 - percent_b) + y * percent_b) / 100; };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

void frame(HDC dc, RECT area, COLORREF colour) {
    Brush brush(colour);
    FrameRect(dc, &area, brush);
}

std::wstring text_of(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

HFONT font_of(HWND hwnd) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    return font ? font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The background the parent asks for, as a static control's (option buttons and group boxes stand on it).
HBRUSH parent_background(HWND hwnd, HDC dc) {
    HWND parent = GetParent(hwnd);
    auto brush = parent ? reinterpret_cast<HBRUSH>(SendMessageW(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                                                reinterpret_cast<LPARAM>(hwnd)))
                        : nullptr;
    return brush ? brush : GetSysColorBrush(COLOR_BTNFACE);
}

void triangle(HDC dc, RECT area, int direction /* 0 up, 1 down, 2 left, 3 right */, COLORREF colour) {
    const int cx = (area.left + area.right) / 2, cy = (area.top + area.bottom) / 2;
    const int s = std::max(2L, std::min(area.right - area.left, area.bottom - area.top) / 4);
    POINT points[3];
    switch (direction) {
    case 0:
        points[0] = {cx - s, cy + s / 2}, points[1] = {cx + s, cy + s / 2}, points[2] = {cx, cy - s / 2 - 1};
        break;
    case 1:
        points[0] = {cx - s, cy - s / 2}, points[1] = {cx + s, cy - s / 2}, points[2] = {cx, cy + s / 2 + 1};
        break;
    case 2:
        points[0] = {cx + s / 2, cy - s}, points[1] = {cx + s / 2, cy + s}, points[2] = {cx - s / 2 - 1, cy};
        break;
    default:
        points[0] = {cx - s / 2, cy - s}, points[1] = {cx - s / 2, cy + s}, points[2] = {cx + s / 2 + 1, cy};
        break;
    }
    Brush brush(colour);
    Pen pen(colour);
    Selection b(dc, brush), p(dc, pen);
    Polygon(dc, points, 3);
}

void draw_push_button(HWND hwnd, HDC dc, COLORREF colour) {
    RECT area;
    GetClientRect(hwnd, &area);
    const auto state = SendMessageW(hwnd, BM_GETSTATE, 0, 0);
    const bool pushed = (state & BST_PUSHED) || (state & BST_CHECKED);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    Brush fill(pushed ? blend(face, colour, 40) : face);
    FillRect(dc, &area, fill);
    frame(dc, area, colour);
    RECT text_area = area;
    if (pushed)
        OffsetRect(&text_area, 1, 1);
    Selection font(dc, font_of(hwnd));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    const std::wstring text = text_of(hwnd);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    if (GetFocus() == hwnd) {
        InflateRect(&area, -3, -3);
        DrawFocusRect(dc, &area);
    }
}

void draw_check_or_option(HWND hwnd, HDC dc, COLORREF colour, bool option) {
    RECT area;
    GetClientRect(hwnd, &area);
    FillRect(dc, &area, parent_background(hwnd, dc)); // also sets the parent's text colour
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    const bool mark_right = (style & BS_LEFTTEXT) != 0;
    const int box = 13;
    const int top = area.top + (area.bottom - area.top - box) / 2;
    const int left = mark_right ? area.right - box : area.left;
    RECT mark{left, top, left + box, top + box};
    const auto check = SendMessageW(hwnd, BM_GETCHECK, 0, 0);
    const bool enabled = IsWindowEnabled(hwnd);
    const COLORREF ink = enabled ? RGB(0, 0, 0) : GetSysColor(COLOR_GRAYTEXT);
    {
        Brush white(RGB(255, 255, 255));
        Pen pen(colour);
        Selection b(dc, white), p(dc, pen);
        if (option)
            Ellipse(dc, mark.left, mark.top, mark.right, mark.bottom);
        else
            Rectangle(dc, mark.left, mark.top, mark.right, mark.bottom);
    }
    if (check == BST_CHECKED && option) {
        Brush dot(ink);
        Pen pen(ink);
        Selection b(dc, dot), p(dc, pen);
        Ellipse(dc, mark.left + 4, mark.top + 4, mark.right - 4, mark.bottom - 4);
    } else if (check == BST_CHECKED) {
        Pen pen(ink, 2);
        Selection p(dc, pen);
        MoveToEx(dc, mark.left + 3, mark.top + 6, nullptr);
        LineTo(dc, mark.left + 5, mark.top + 9);
        LineTo(dc, mark.left + 10, mark.top + 3);
    } else if (check == BST_INDETERMINATE) {
        RECT inner = mark;
        InflateRect(&inner, -3, -3);
        Brush grey(GetSysColor(COLOR_GRAYTEXT));
        FillRect(dc, &inner, grey);
    }
    RECT text_area = area;
    if (mark_right)
        text_area.right = mark.left - 4;
    else
        text_area.left = mark.right + 4;
    Selection font(dc, font_of(hwnd));
    SetBkMode(dc, TRANSPARENT);
    if (!enabled)
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    const std::wstring text = text_of(hwnd);
    const UINT align = (style & BS_MULTILINE) ? DT_WORDBREAK : (DT_SINGLELINE | DT_VCENTER);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_area, align);
    if (GetFocus() == hwnd && !text.empty()) {
        RECT measured = text_area;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured, align | DT_CALCRECT);
        const int height = measured.bottom - measured.top;
        measured.top = (style & BS_MULTILINE) ? text_area.top : (text_area.top + text_area.bottom - height) / 2;
        measured.bottom = measured.top + height;
        InflateRect(&measured, 1, 1);
        DrawFocusRect(dc, &measured);
    }
}

void draw_group_box(HWND hwnd, HDC dc, COLORREF colour) {
    RECT area;
    GetClientRect(hwnd, &area);
    Selection font(dc, font_of(hwnd));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT border = area;
    border.top += metrics.tmHeight / 2; // where the classic frame runs, so the controls inside stay clear of it
    frame(dc, border, colour);
    const std::wstring text = text_of(hwnd);
    if (text.empty())
        return;
    RECT text_area{area.left + 8, area.top, area.right - 8, area.top + metrics.tmHeight};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_area, DT_SINGLELINE | DT_CALCRECT);
    InflateRect(&text_area, 2, 0);
    FillRect(dc, &text_area, parent_background(hwnd, dc));
    InflateRect(&text_area, -2, 0);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_area, DT_SINGLELINE);
}

// Edit boxes and drop-down lists keep their border's width; its outer pixel takes the colour, the rest the
// box's own background.
void draw_border(HWND hwnd, COLORREF colour, COLORREF inside) {
    WindowDc dc(hwnd, true);
    RECT area;
    GetWindowRect(hwnd, &area);
    OffsetRect(&area, -area.left, -area.top);
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    const LONG ex_style = GetWindowLongW(hwnd, GWL_EXSTYLE);
    if (ex_style & WS_EX_CLIENTEDGE) {
        frame(dc, area, colour);
        InflateRect(&area, -1, -1);
        frame(dc, area, inside);
    } else if ((style & WS_BORDER) || (ex_style & WS_EX_STATICEDGE)) {
        frame(dc, area, colour);
    }
}

COLORREF edit_inside(HWND hwnd) {
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    return IsWindowEnabled(hwnd) && !(style & ES_READONLY) ? GetSysColor(COLOR_WINDOW) : GetSysColor(COLOR_BTNFACE);
}

void draw_combo_box(HWND hwnd, COLORREF colour) {
    WindowDc dc(hwnd);
    RECT area;
    GetClientRect(hwnd, &area);
    if ((GetWindowLongW(hwnd, GWL_STYLE) & 3) == CBS_SIMPLE)
        return frame(dc, area, colour);
    frame(dc, area, colour);
    RECT inner = area;
    InflateRect(&inner, -1, -1);
    frame(dc, inner, IsWindowEnabled(hwnd) ? GetSysColor(COLOR_WINDOW) : GetSysColor(COLOR_BTNFACE));
    // The drop-down button, flat, inside the two-pixel border.
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    RECT button{area.right - 2 - width, area.top + 2, area.right - 2, area.bottom - 2};
    const bool dropped = SendMessageW(hwnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    Brush fill(dropped ? blend(face, colour, 40) : face);
    FillRect(dc, &button, fill);
    RECT line{button.left, button.top, button.left + 1, button.bottom};
    Brush edge(colour);
    FillRect(dc, &line, edge);
    triangle(dc, button, 1, IsWindowEnabled(hwnd) ? RGB(0, 0, 0) : GetSysColor(COLOR_GRAYTEXT));
}

void draw_spin_button(HWND hwnd, HDC dc, COLORREF colour) {
    RECT area;
    GetClientRect(hwnd, &area);
    const bool horizontal = (GetWindowLongW(hwnd, GWL_STYLE) & UDS_HORZ) != 0;
    RECT first = area, second = area;
    if (horizontal)
        first.right = second.left = (area.left + area.right) / 2;
    else
        first.bottom = second.top = (area.top + area.bottom) / 2;
    // The half under the pressed mouse button is drawn pressed.
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(hwnd, &cursor);
    const bool pressing = GetCapture() == hwnd && GetKeyState(VK_LBUTTON) < 0;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF ink = IsWindowEnabled(hwnd) ? RGB(0, 0, 0) : GetSysColor(COLOR_GRAYTEXT);
    const RECT halves[2] = {first, second};
    for (int i = 0; i < 2; ++i) {
        const bool pressed = pressing && PtInRect(&halves[i], cursor);
        Brush fill(pressed ? blend(face, colour, 40) : face);
        FillRect(dc, &halves[i], fill);
        frame(dc, halves[i], colour);
        triangle(dc, halves[i], horizontal ? (i == 0 ? 2 : 3) : (i == 0 ? 0 : 1), ink);
    }
}

void draw(HWND hwnd, HDC dc, Skinned kind, COLORREF colour) {
    switch (kind) {
    case Skinned::PushButton:
        return draw_push_button(hwnd, dc, colour);
    case Skinned::CheckButton:
        return draw_check_or_option(hwnd, dc, colour, false);
    case Skinned::OptionButton:
        return draw_check_or_option(hwnd, dc, colour, true);
    case Skinned::GroupBox:
        return draw_group_box(hwnd, dc, colour);
    case Skinned::SpinButton:
        return draw_spin_button(hwnd, dc, colour);
    default:
        return;
    }
}

// Messages after which the button and spin controls draw themselves at once, outside WM_PAINT.
bool redraws_itself(UINT message) {
    switch (message) {
    case BM_SETSTATE:
    case BM_SETCHECK:
    case BM_SETSTYLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_SETFONT:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
    case WM_UPDATEUISTATE:
    case WM_SYSCOLORCHANGE:
    case CB_SETCURSEL:
    case CB_SHOWDROPDOWN:
    case WM_COMMAND:
        return true;
    }
    return false;
}

LRESULT CALLBACK skin_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR id, DWORD_PTR data) {
    const auto kind = static_cast<Skinned>(data);
    const COLORREF colour = skin().colour;
    if (message == WM_NCDESTROY) {
        skin().windows.erase(hwnd);
        RemoveWindowSubclass(hwnd, skin_proc, id);
        return DefSubclassProc(hwnd, message, wparam, lparam);
    }
    if (colour == CLR_INVALID)
        return DefSubclassProc(hwnd, message, wparam, lparam);
    switch (kind) {
    case Skinned::EditBox:
    case Skinned::DropList:
        if (message == WM_NCPAINT) {
            const LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
            draw_border(hwnd, colour, kind == Skinned::EditBox ? edit_inside(hwnd) : GetSysColor(COLOR_WINDOW));
            return result;
        }
        return DefSubclassProc(hwnd, message, wparam, lparam);
    case Skinned::ComboBox: {
        const LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
        if ((message == WM_PAINT || redraws_itself(message)) && IsWindow(hwnd) && IsWindowVisible(hwnd))
            draw_combo_box(hwnd, colour);
        return result;
    }
    default:
        break;
    }
    if (message == WM_PAINT) {
        Painting dc(hwnd);
        draw(hwnd, dc, kind, colour);
        return 0;
    }
    if (message == WM_ERASEBKGND && kind != Skinned::GroupBox)
        return 1; // painting covers the whole control
    const LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
    if (redraws_itself(message) && IsWindow(hwnd) && IsWindowVisible(hwnd)) {
        if (kind == Skinned::SpinButton) {
            InvalidateRect(hwnd, nullptr, FALSE);
        } else {
            WindowDc dc(hwnd);
            draw(hwnd, dc, kind, colour);
        }
    }
    return result;
}

void restyle(HWND hwnd, LONG style) {
    const Skinned kind = classify(hwnd, style);
    if (kind == Skinned::None || skin().windows.count(hwnd))
        return;
    if (SetWindowSubclass(hwnd, skin_proc, skin_subclass, static_cast<DWORD_PTR>(kind)))
        skin().windows.insert(hwnd);
}

LRESULT CALLBACK on_window_created(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HCBT_CREATEWND) {
        auto* created = reinterpret_cast<CBT_CREATEWNDW*>(lparam);
        restyle(reinterpret_cast<HWND>(wparam), created->lpcs->style);
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

BOOL CALLBACK restyle_child(HWND hwnd, LPARAM) {
    restyle(hwnd, GetWindowLongW(hwnd, GWL_STYLE));
    return TRUE;
}

BOOL CALLBACK restyle_top(HWND hwnd, LPARAM) {
    restyle(hwnd, GetWindowLongW(hwnd, GWL_STYLE));
    EnumChildWindows(hwnd, restyle_child, 0);
    return TRUE;
}

BOOL CALLBACK redraw_top(HWND hwnd, LPARAM) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}

COLORREF colour_of_style(int style) {
    switch (style) {
    case 1:
        return RGB(123, 158, 189);
    case 2:
        return RGB(164, 185, 127);
    case 3:
        return RGB(198, 197, 215);
    }
    return CLR_INVALID;
}

void remove_restyling() {
    SkinState& state = skin();
    if (state.hook)
        UnhookWindowsHookEx(state.hook);
    state.hook = nullptr;
    state.colour = CLR_INVALID;
    const std::set<HWND> restyled = std::move(state.windows);
    state.windows.clear();
    for (HWND hwnd : restyled)
        RemoveWindowSubclass(hwnd, skin_proc, skin_subclass);
}

} // namespace

void apply_control_skin(int style) {
    const bool was_restyled = skin().colour != CLR_INVALID;
    remove_restyling();
    const COLORREF colour = colour_of_style(style);
    if (colour != CLR_INVALID) {
        skin().colour = colour;
        skin().hook = SetWindowsHookExW(WH_CBT, on_window_created, nullptr, GetCurrentThreadId());
        EnumThreadWindows(GetCurrentThreadId(), restyle_top, 0);
    }
    if (was_restyled || colour != CLR_INVALID)
        EnumThreadWindows(GetCurrentThreadId(), redraw_top, 0);
}

COLORREF control_skin_colour() {
    return skin().colour;
}

} // namespace namer
