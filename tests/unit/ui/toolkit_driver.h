#pragma once
#include <memory>

#include "platform/window_services.h"
#include "ui/handler_table.h"

namespace namer {

// A window toolkit as the rule tests see it: the services the handlers use, plus the user's side, what the user
// does and sees. toolkit_rules_test.cpp runs against the in-memory fake natively and against the Win32 toolkit
// under Wine, so that both keep the same rules; each test program defines make_toolkit_driver.
class ToolkitDriver {
public:
    virtual ~ToolkitDriver() = default;
    virtual WindowServices& services() = 0;

    // The user's actions. Each returns when the events it caused have been processed.
    virtual void click(WindowId window, const ControlName& control) = 0;
    virtual void type(WindowId window, const ControlName& edit, const Text& text) = 0;
    virtual void choose_page(WindowId window, const ControlName& tab, int page) = 0;
    // Esc with the focus in `focus`.
    virtual void press_escape(WindowId window, const ControlName& focus) = 0;
    // A double-click on a row, or below the last row when `row` is past the rows.
    virtual void double_click_list(WindowId window, const ControlName& list, int row) = 0;
    // An Esc press in the window that the next processing of events finds.
    virtual void queue_escape(WindowId window) = 0;

    // What the user sees.
    virtual bool is_visible(WindowId window, const ControlName& control) = 0;
    virtual bool is_window_visible(WindowId window) = 0;
    virtual int current_page(WindowId window, const ControlName& tab) = 0;
    // How many windows of that definition exist.
    virtual int instances(WindowId window) = 0;
};

std::unique_ptr<ToolkitDriver> make_toolkit_driver(const HandlerTable& handlers);

} // namespace namer
