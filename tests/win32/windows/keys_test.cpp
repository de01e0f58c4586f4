// The dialog keys of the program's windows, as posted key messages dispatched the way the message loop does.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "base/gbk.h"
#include "platform/win32/window_services_win32.h"
#include "ui/handler_names.h"
#include "win32_test_support.h"

namespace namer {
namespace {

const ControlName tab = control_names::main_tab;

// Holds modifier keys down (as the thread's key state sees them) for its lifetime.
class KeysDown {
public:
    explicit KeysDown(std::initializer_list<int> keys) {
        GetKeyboardState(saved_);
        BYTE state[256];
        GetKeyboardState(state);
        for (int key : keys)
            state[key] |= 0x80;
        SetKeyboardState(state);
    }
    ~KeysDown() { SetKeyboardState(saved_); }

private:
    BYTE saved_[256];
};

class Keys : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name :
             {handler_names::query_free_naming, handler_names::end_on_main_close, handler_names::back_from_meaning})
            handlers.bind(name, [this, name] { calls.push_back(name); });
        toolkit = std::make_unique<Win32WindowServices>(handlers);
    }

    HWND control(WindowId window, const ControlName& name) { return toolkit->control_handle(window, name); }

    void press(HWND target, UINT key, bool repeat = false) {
        post_key(target, key, repeat);
        pump_messages();
    }
    void press_in_focus(UINT key) { press(GetFocus(), key); }

    // The name of the control that has the focus, empty when none of the window's has it.
    ControlName focused(WindowId window) {
        HWND focus = GetFocus();
        for (const ControlDefinition& c : window_definition(window).controls)
            if (control(window, c.name) == focus)
                return c.name;
        return ControlName();
    }

    HandlerTable handlers;
    std::vector<std::string> calls;
    std::unique_ptr<Win32WindowServices> toolkit;
};

TEST_F(Keys, TabVisitsTheShownControlsInDefinitionOrderRoundTheWindow) {
    toolkit->open_window(WindowId::MainWindow);
    ASSERT_EQ(focused(WindowId::MainWindow), "编辑框_姓氏1") << "the first control of the page has the focus";
    const std::vector<ControlName> order = {"单选框_男1",    "单选框_女1",    "单选框_二字名1", "单选框_三字名1",
                                            "单选框_100条1", "单选框_200条1", "按钮_免费起名",  "编辑框_姓氏1"};
    for (const ControlName& expected : order) {
        press_in_focus(VK_TAB);
        EXPECT_EQ(focused(WindowId::MainWindow), expected);
    }
    {
        KeysDown shift({VK_SHIFT});
        press_in_focus(VK_TAB);
    }
    EXPECT_EQ(focused(WindowId::MainWindow), "按钮_免费起名");
    EXPECT_TRUE(calls.empty());
}

TEST_F(Keys, CtrlTabTurnsThePagesAndTheFocusFollows) {
    toolkit->open_window(WindowId::MainWindow);
    HWND tab_control = control(WindowId::MainWindow, tab);
    {
        KeysDown ctrl({VK_CONTROL});
        press_in_focus(VK_TAB);
    }
    EXPECT_EQ(SendMessageW(tab_control, TCM_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(focused(WindowId::MainWindow), "编辑框_姓氏2");
    {
        KeysDown ctrl_shift({VK_CONTROL, VK_SHIFT});
        press_in_focus(VK_TAB);
        press_in_focus(VK_TAB);
    }
    EXPECT_EQ(SendMessageW(tab_control, TCM_GETCURSEL, 0, 0), 5);
    EXPECT_EQ(focused(WindowId::MainWindow), "编辑框_姓名");
    EXPECT_TRUE(calls.empty());
}

TEST_F(Keys, ArrowKeysMoveAndCheckWithinAnOptionGroup) {
    toolkit->open_window(WindowId::MainWindow);
    SetFocus(control(WindowId::MainWindow, "单选框_男1"));
    press_in_focus(VK_RIGHT);
    EXPECT_EQ(focused(WindowId::MainWindow), "单选框_女1");
    EXPECT_TRUE(toolkit->is_checked(WindowId::MainWindow, "单选框_女1"));
    EXPECT_FALSE(toolkit->is_checked(WindowId::MainWindow, "单选框_男1"));
    press_in_focus(VK_DOWN); // round the group
    EXPECT_EQ(focused(WindowId::MainWindow), "单选框_男1");
    EXPECT_TRUE(toolkit->is_checked(WindowId::MainWindow, "单选框_男1"));
    EXPECT_TRUE(toolkit->is_checked(WindowId::MainWindow, "单选框_二字名1")) << "other groups stay as they were";
}

TEST_F(Keys, EnterPressesAFocusedButtonAndDoesNothingInASurnameBox) {
    toolkit->open_window(WindowId::MainWindow);
    HWND surname = control(WindowId::MainWindow, "编辑框_姓氏1");
    SetFocus(surname);
    PostMessageW(surname, WM_CHAR, L'A', 1);
    press(surname, VK_RETURN);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(toolkit->edit_text(WindowId::MainWindow, "编辑框_姓氏1"), "A");
    SetFocus(control(WindowId::MainWindow, "按钮_免费起名"));
    press_in_focus(VK_RETURN);
    EXPECT_EQ(calls, std::vector<std::string>{handler_names::query_free_naming});
}

TEST_F(Keys, EnterInTheExplanationBoxBreaksTheLine) {
    toolkit->open_window(WindowId::MeaningWindow);
    HWND box = control(WindowId::MeaningWindow, control_names::meaning_box);
    ASSERT_EQ(focused(WindowId::MeaningWindow), control_names::meaning_box);
    PostMessageW(box, WM_CHAR, 0x7532 /* 甲 */, 1);
    press(box, VK_RETURN);
    PostMessageW(box, WM_CHAR, 0x4E59 /* 乙 */, 1);
    pump_messages();
    EXPECT_EQ(toolkit->edit_text(WindowId::MeaningWindow, control_names::meaning_box), gbk_from_utf8("甲\r\n乙"));
    EXPECT_TRUE(toolkit->is_open(WindowId::MeaningWindow));
    EXPECT_TRUE(calls.empty());
}

TEST_F(Keys, AHeldEscapeClosesOneWindowOnly) {
    toolkit->open_window(WindowId::MeaningWindow);
    HWND box = control(WindowId::MeaningWindow, control_names::meaning_box);
    press(box, VK_ESCAPE, true); // the repeat of a press that closed the window before
    EXPECT_TRUE(toolkit->is_open(WindowId::MeaningWindow));
    press(box, VK_ESCAPE);
    EXPECT_FALSE(toolkit->is_open(WindowId::MeaningWindow));
    EXPECT_EQ(calls, std::vector<std::string>{handler_names::back_from_meaning});
}

TEST_F(Keys, TheFocusLeavesControlsThatAPageChangeHides) {
    toolkit->open_window(WindowId::MainWindow);
    ASSERT_EQ(focused(WindowId::MainWindow), "编辑框_姓氏1");
    toolkit->set_current_page(WindowId::MainWindow, tab, 2);
    EXPECT_EQ(focused(WindowId::MainWindow), "编辑框_姓氏3");
}

TEST_F(Keys, TheFocusComesBackWhenTheWindowIsActivatedAgain) {
    toolkit->open_window(WindowId::MainWindow);
    SetFocus(control(WindowId::MainWindow, "单选框_女1"));
    toolkit->open_window(WindowId::ResultWindow);
    ASSERT_EQ(GetForegroundWindow(), toolkit->window_handle(WindowId::ResultWindow));
    toolkit->open_window(WindowId::MainWindow); // only activates it
    pump_messages();
    EXPECT_EQ(focused(WindowId::MainWindow), "单选框_女1");
}

} // namespace
} // namespace namer
