// Each window as built on Win32 against its definition: the control tree, positions, the style bits that carry
// the settings of each kind of control, captions, fonts and the window's own settings.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>
#include <vector>

#include "base/gbk.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_services_win32.h"
#include "win32_test_support.h"

namespace namer {
namespace {

struct KindStyle {
    ControlKind kind;
    bool multi_line;
    const wchar_t* class_name;
    int type;        // BS_TYPEMASK or SS_TYPEMASK part, -1: not looked at
    DWORD style;     // bits that must be set
    DWORD not_style; // bits that must be clear
    DWORD ex_style;
    DWORD not_ex_style;
};

const DWORD edit_input_modes = ES_READONLY | ES_PASSWORD | ES_UPPERCASE | ES_LOWERCASE | ES_NUMBER;
const KindStyle kind_styles[] = {
    {ControlKind::EditBox, false, L"Edit", -1, WS_TABSTOP | ES_AUTOHSCROLL,
     ES_MULTILINE | ES_NOHIDESEL | ES_CENTER | ES_RIGHT | WS_VSCROLL | WS_HSCROLL | edit_input_modes, WS_EX_CLIENTEDGE,
     0},
    {ControlKind::EditBox, true, L"Edit", -1,
     WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL,
     ES_NOHIDESEL | ES_CENTER | ES_RIGHT | edit_input_modes, WS_EX_CLIENTEDGE, 0},
    // The system keeps WS_TABSTOP on the checked option button only; the toolkit's Tab visits every one.
    {ControlKind::OptionButton, false, L"Button", BS_RADIOBUTTON, BS_LEFT | BS_VCENTER,
     BS_LEFTTEXT | BS_PUSHLIKE | BS_RIGHT, 0, 0},
    {ControlKind::PushButton, false, L"Button", BS_PUSHBUTTON, WS_TABSTOP | BS_CENTER | BS_VCENTER, 0, 0, 0},
    // Labels: left-aligned, wrapping or not by their height (see label_type).
    {ControlKind::Label, false, L"Static", -1, 0, WS_TABSTOP | WS_BORDER | SS_NOTIFY, 0,
     WS_EX_CLIENTEDGE | WS_EX_STATICEDGE},
    {ControlKind::GroupBox, false, L"Button", BS_GROUPBOX, 0, WS_TABSTOP, 0, 0},
    {ControlKind::TabControl, false, L"SysTabControl32", -1, 0,
     WS_TABSTOP | TCS_MULTILINE | TCS_BUTTONS | TCS_VERTICAL | TCS_BOTTOM, 0, 0},
    {ControlKind::Hyperlink, false, L"Static", SS_CENTER, SS_NOTIFY, WS_TABSTOP | WS_BORDER, 0,
     WS_EX_CLIENTEDGE | WS_EX_STATICEDGE},
    {ControlKind::ListView, false, L"SysListView32", -1, WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL,
     LVS_SHOWSELALWAYS | LVS_SORTASCENDING | LVS_SORTDESCENDING | LVS_EDITLABELS | LVS_NOCOLUMNHEADER |
         LVS_NOSORTHEADER,
     WS_EX_CLIENTEDGE, 0},
};

const KindStyle& style_of(const ControlDefinition& c) {
    for (const KindStyle& k : kind_styles)
        if (k.kind == c.kind && k.multi_line == c.multi_line)
            return k;
    throw std::logic_error("no style for " + c.name);
}

// A label tall enough for two lines of the default GUI font wraps its text; a lower one keeps it on one line, clipped
// at the right, rather than cutting off the wrapped part.
DWORD label_type(const ControlDefinition& c) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return c.rect.height >= 2 * metrics.tmHeight ? SS_LEFT : SS_LEFTNOWORDWRAP;
}

// The position of a control in its parent's client area.
RECT rect_in_parent(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class WindowBuild : public ::testing::Test {
protected:
    Win32WindowServices toolkit{HandlerTable()};
};

TEST_F(WindowBuild, ControlsStandWhereTheirDefinitionsPutThem) {
    for (const WindowDefinition& w : window_definitions()) {
        SCOPED_TRACE(w.settings.caption);
        toolkit.open_window(w.id);
        HWND window = toolkit.window_handle(w.id);
        ASSERT_NE(window, nullptr);
        for (std::size_t i = 0; i < w.controls.size(); ++i) {
            const ControlDefinition& c = w.controls[i];
            SCOPED_TRACE(c.name);
            HWND parent = c.container.empty() ? window : toolkit.control_handle(w.id, c.container);
            HWND control = GetDlgItem(parent, 100 + static_cast<int>(i));
            ASSERT_NE(control, nullptr) << "not a child of its container";
            EXPECT_EQ(control, toolkit.control_handle(w.id, c.name));

            const KindStyle& expected = style_of(c);
            wchar_t class_name[64] = {};
            GetClassNameW(control, class_name, 64);
            EXPECT_EQ(lstrcmpiW(class_name, expected.class_name), 0);
            const auto style = static_cast<DWORD>(GetWindowLongW(control, GWL_STYLE));
            const auto ex_style = static_cast<DWORD>(GetWindowLongW(control, GWL_EXSTYLE));
            EXPECT_EQ(style & expected.style, expected.style) << std::hex << style;
            EXPECT_EQ(style & expected.not_style, 0u) << std::hex << style;
            EXPECT_EQ(ex_style & expected.ex_style, expected.ex_style) << std::hex << ex_style;
            EXPECT_EQ(ex_style & expected.not_ex_style, 0u) << std::hex << ex_style;
            EXPECT_EQ(style & WS_DISABLED, 0u);
            if (c.kind == ControlKind::Label) {
                EXPECT_EQ(style & SS_TYPEMASK, label_type(c));
            }
            if (expected.type >= 0) {
                const DWORD mask = lstrcmpiW(expected.class_name, L"Static") == 0 ? SS_TYPEMASK : BS_TYPEMASK;
                EXPECT_EQ(style & mask, static_cast<DWORD>(expected.type));
            }

            const RECT r = rect_in_parent(control);
            EXPECT_EQ(r.left, c.rect.left);
            EXPECT_EQ(r.top, c.rect.top);
            EXPECT_EQ(r.right - r.left, c.rect.width);
            EXPECT_EQ(r.bottom - r.top, c.rect.height);

            EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)),
                      GetStockObject(DEFAULT_GUI_FONT));
            // Captions arrive through GBK and read back as the definition wrote them, whatever the code page.
            EXPECT_EQ(text_of(control), wide_from_utf8(c.caption));
            EXPECT_EQ(gbk_from_wide(text_of(control)), gbk_from_utf8(c.caption));
            if (c.kind == ControlKind::EditBox) {
                EXPECT_GE(static_cast<unsigned long>(SendMessageW(control, EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEul)
                    << "edit boxes have no length limit";
            }
        }
        toolkit.destroy_window(w.id);
        pump_messages();
    }
}

TEST_F(WindowBuild, TheTabControlHasItsPagesInOrder) {
    toolkit.open_window(WindowId::MainWindow);
    HWND tab = toolkit.control_handle(WindowId::MainWindow, control_names::main_tab);
    const ControlDefinition& definition = *window_definition(WindowId::MainWindow).find(control_names::main_tab);
    ASSERT_EQ(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0), static_cast<LRESULT>(definition.pages.size()));
    for (std::size_t i = 0; i < definition.pages.size(); ++i) {
        wchar_t text[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        SendMessageW(tab, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(std::wstring(text), wide_from_utf8(definition.pages[i]));
    }
}

TEST_F(WindowBuild, TheListSelectsWholeRowsWithoutGridOrHoverTracking) {
    toolkit.open_window(WindowId::ResultWindow);
    HWND list = toolkit.control_handle(WindowId::ResultWindow, control_names::result_list);
    const auto extended = static_cast<DWORD>(SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
    EXPECT_EQ(extended & LVS_EX_FULLROWSELECT, static_cast<DWORD>(LVS_EX_FULLROWSELECT));
    EXPECT_EQ(extended & (LVS_EX_GRIDLINES | LVS_EX_TRACKSELECT | LVS_EX_CHECKBOXES | LVS_EX_ONECLICKACTIVATE |
                          LVS_EX_TWOCLICKACTIVATE | LVS_EX_HEADERDRAGDROP),
              0u);
    EXPECT_EQ(SendMessageW(list, LVM_GETTEXTCOLOR, 0, 0), static_cast<LRESULT>(RGB(0, 0, 0)));
    EXPECT_EQ(SendMessageW(list, LVM_GETBKCOLOR, 0, 0), static_cast<LRESULT>(RGB(255, 255, 255)));
    EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0), 0)
        << "the list starts without columns";
}

TEST_F(WindowBuild, WindowsHaveAFixedDialogFrameAreCentredAndCarryTheProgramsIcon) {
    ASSERT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14) /* RT_GROUP_ICON */), nullptr)
        << "the test program carries the program's resources";
    const int screen_width = GetSystemMetrics(SM_CXSCREEN), screen_height = GetSystemMetrics(SM_CYSCREEN);
    for (const WindowDefinition& w : window_definitions()) {
        SCOPED_TRACE(w.settings.caption);
        toolkit.open_window(w.id);
        HWND window = toolkit.window_handle(w.id);
        const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
        const auto ex_style = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
        EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_VISIBLE),
                  static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_VISIBLE));
        EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD | WS_POPUP | WS_DISABLED), 0u);
        EXPECT_EQ(ex_style & (WS_EX_DLGMODALFRAME | WS_EX_APPWINDOW),
                  static_cast<DWORD>(WS_EX_DLGMODALFRAME | WS_EX_APPWINDOW));
        EXPECT_EQ(ex_style & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW), 0u);
        EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
        EXPECT_EQ(GetParent(window), nullptr);

        RECT r;
        GetWindowRect(window, &r);
        EXPECT_EQ(r.right - r.left, w.settings.outer_width);
        EXPECT_EQ(r.bottom - r.top, w.settings.outer_height);
        EXPECT_EQ(r.left, (screen_width - w.settings.outer_width) / 2);
        EXPECT_EQ(r.top, (screen_height - w.settings.outer_height) / 2);

        EXPECT_EQ(text_of(window), wide_from_utf8(w.settings.caption));
        EXPECT_EQ(GetClassLongPtrW(window, GCLP_HBRBACKGROUND), static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
        EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));
        const int big = GetSystemMetrics(SM_CXICON), small = GetSystemMetrics(SM_CXSMICON);
        EXPECT_EQ(reinterpret_cast<HANDLE>(SendMessageW(window, WM_GETICON, ICON_BIG, 0)),
                  LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, big, big, LR_SHARED));
        EXPECT_EQ(reinterpret_cast<HANDLE>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0)),
                  LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, small, small, LR_SHARED));
        EXPECT_EQ(GetForegroundWindow(), window) << "shown and made the active window";
    }
}

TEST(Resources, TheProgramCarriesAManifestAndVersionInformation) {
    EXPECT_NE(FindResourceW(nullptr, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24) /* RT_MANIFEST */), nullptr);
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(path, 0, size, info.data()));
    wchar_t* name = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\StringFileInfo\\080404b0\\ProductName", reinterpret_cast<void**>(&name),
                               &length));
    EXPECT_EQ(std::wstring(name), wide_from_utf8("免费起名软件"));
}

// The separate runs under other locales say which ANSI code page they expect; the texts above must be right in each.
TEST(Locale, RunsUnderTheCodePageItWasStartedFor) {
    const char* expected = std::getenv("NAMER_EXPECT_ACP");
    if (!expected)
        GTEST_SKIP() << "run without a code page to check; this one is " << GetACP();
    EXPECT_EQ(GetACP(), static_cast<UINT>(std::atoi(expected)));
}

} // namespace
} // namespace namer
