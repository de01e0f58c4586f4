// set_control_skin on the pixels: which controls take the flat frames in the style's colour, and which keep their
// own look; existing windows, windows created later and windows that are not the program's.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/win32/window_services_win32.h"
#include "win32_test_support.h"

namespace namer {
namespace {

const COLORREF style_colours[] = {RGB(123, 158, 189), RGB(164, 185, 127), RGB(198, 197, 215)};

// The tabs of a tab control: its top rows, where none of its pages' controls stand, left of its scroll arrows
// (spin buttons, which are restyled).
std::vector<COLORREF> tab_strip(HWND tab) {
    const Pixels all = capture(tab);
    int width = all.width;
    if (HWND arrows = FindWindowExW(tab, nullptr, UPDOWN_CLASSW, nullptr)) {
        RECT r;
        GetWindowRect(arrows, &r);
        MapWindowPoints(nullptr, tab, reinterpret_cast<POINT*>(&r), 2);
        width = r.left;
    }
    std::vector<COLORREF> strip;
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < width; ++x)
            strip.push_back(all.at(x, y));
    return strip;
}

// A window that is not the program's, on the same thread.
class ForeignWindow {
public:
    ForeignWindow(const wchar_t* class_name, DWORD style, DWORD ex_style, int width, int height) {
        host_ = CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 10, 10, 200, 120, nullptr, nullptr, nullptr,
                                nullptr);
        control_ = CreateWindowExW(ex_style, class_name, L"x", WS_CHILD | WS_VISIBLE | style, 10, 10, width, height,
                                   host_, nullptr, nullptr, nullptr);
    }
    ~ForeignWindow() { DestroyWindow(host_); }
    ForeignWindow(const ForeignWindow&) = delete;
    ForeignWindow& operator=(const ForeignWindow&) = delete;
    HWND control() const { return control_; }

private:
    HWND host_ = nullptr;
    HWND control_ = nullptr;
};

class Skin : public ::testing::Test {
protected:
    HWND main_control(const ControlName& name) { return toolkit.control_handle(WindowId::MainWindow, name); }
    Win32WindowServices toolkit{HandlerTable()};
};

TEST_F(Skin, EachStyleDrawsTheStandardControlsWithItsFrameColourAndNothingElse) {
    toolkit.open_window(WindowId::MainWindow);
    const Pixels edit_before = capture(main_control("编辑框_姓氏1"));
    const Pixels button_before = capture(main_control("按钮_免费起名"));
    const Pixels label_before = capture(main_control("标签1"));
    const std::vector<COLORREF> tabs_before = tab_strip(main_control(control_names::main_tab));
    for (int style = 1; style <= 3; ++style) {
        SCOPED_TRACE("style " + std::to_string(style));
        const COLORREF colour = style_colours[style - 1];
        ASSERT_FALSE(edit_before.contains(colour));
        toolkit.set_control_skin(style);
        EXPECT_EQ(capture(main_control("编辑框_姓氏1")).at(0, 0), colour);
        const Pixels button = capture(main_control("按钮_免费起名"));
        EXPECT_EQ(button.at(0, 0), colour);
        EXPECT_EQ(button.at(button.width - 1, button.height / 2), colour);
        EXPECT_TRUE(capture(main_control("单选框_男1")).contains(colour));
        const Pixels group = capture(main_control("分组框1"));
        EXPECT_EQ(group.at(0, group.height - 1), colour);
        EXPECT_EQ(capture(main_control("标签1")).colours, label_before.colours) << "labels keep their look";
        EXPECT_EQ(tab_strip(main_control(control_names::main_tab)), tabs_before) << "the tab control keeps its look";
    }
    toolkit.set_control_skin(0);
    EXPECT_EQ(capture(main_control("编辑框_姓氏1")).colours, edit_before.colours);
    EXPECT_EQ(capture(main_control("按钮_免费起名")).colours, button_before.colours);
}

TEST_F(Skin, WindowsCreatedLaterAreRestyledTooButNotTheirList) {
    toolkit.set_control_skin(2);
    toolkit.open_window(WindowId::ResultWindow);
    const Pixels group = capture(toolkit.control_handle(WindowId::ResultWindow, "分组框1"));
    EXPECT_EQ(group.at(0, group.height - 1), style_colours[1]);
    EXPECT_FALSE(
        capture(toolkit.control_handle(WindowId::ResultWindow, control_names::result_list)).contains(style_colours[1]))
        << "the list keeps its look";
    toolkit.open_window(WindowId::MeaningWindow);
    EXPECT_EQ(capture(toolkit.control_handle(WindowId::MeaningWindow, control_names::meaning_box)).at(0, 0),
              style_colours[1]);
}

TEST_F(Skin, ReachesEveryWindowOfTheThreadWithCheckBoxesComboBoxesAndSpinButtons) {
    const struct {
        const wchar_t* class_name;
        DWORD style, ex_style;
        int width, height;
        bool frame_at_corner; // the control's top-left pixel is its frame
    } cases[] = {
        {L"Button", BS_PUSHBUTTON, 0, 80, 24, true},
        {L"Button", BS_AUTOCHECKBOX, 0, 80, 20, false},
        {L"Edit", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 80, 20, true},
        {L"ComboBox", CBS_DROPDOWNLIST, 0, 80, 100, true},
        {UPDOWN_CLASSW, 0, 0, 16, 24, true},
    };
    for (bool created_before : {true, false}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::to_string(c.style) + (created_before ? " before" : " after"));
            std::unique_ptr<ForeignWindow> window;
            if (created_before)
                window = std::make_unique<ForeignWindow>(c.class_name, c.style, c.ex_style, c.width, c.height);
            toolkit.set_control_skin(1);
            if (!created_before)
                window = std::make_unique<ForeignWindow>(c.class_name, c.style, c.ex_style, c.width, c.height);
            const Pixels pixels = capture(window->control());
            if (c.frame_at_corner)
                EXPECT_EQ(pixels.at(0, 0), style_colours[0]);
            else
                EXPECT_TRUE(pixels.contains(style_colours[0]));
            toolkit.set_control_skin(0);
            EXPECT_FALSE(capture(window->control()).contains(style_colours[0]));
        }
    }
}

} // namespace
} // namespace namer
