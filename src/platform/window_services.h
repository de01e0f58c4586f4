#pragma once
#include <functional>
#include <string>

#include "base/text.h"

namespace namer {

// The three windows of the program.
enum class WindowId { MainWindow, ResultWindow, MeaningWindow };

// A control's name within its window, as the window definitions spell it (UTF-8 source text, e.g. "编辑框_姓氏1").
using ControlName = std::string;

// What handlers may do to windows. Texts going in and out are GBK; the toolkit converts at the platform edge.
// Operations on a window that is not open, or on a control it does not have, do nothing and read as empty,
// false or -1.
class WindowServices {
public:
    virtual ~WindowServices() = default;

    // Reading controls.
    virtual Text edit_text(WindowId window, const ControlName& edit) = 0;
    virtual bool is_checked(WindowId window, const ControlName& option) = 0;
    // Index of the first selected row of a list, -1 when none.
    virtual int first_selected_row(WindowId window, const ControlName& list) = 0;
    // Text of a cell (row and column from 0), empty when there is no such row.
    virtual Text cell_text(WindowId window, const ControlName& list, int row, int column) = 0;

    // Filling controls.
    virtual void insert_column(WindowId window, const ControlName& list, const Text& title, int width) = 0;
    // Appends a row whose column-0 text is `first_cell`; returns the new row's index.
    virtual int insert_row(WindowId window, const ControlName& list, const Text& first_cell) = 0;
    virtual void set_cell(WindowId window, const ControlName& list, int row, int column, const Text& text) = 0;
    // Caret to the end, scrolled into view, text inserted there without undo.
    virtual void append_to_edit_box(WindowId window, const ControlName& edit, const Text& text) = 0;
    // Puts the caret of an edit box before its first character and scrolls its start into view.
    virtual void scroll_to_start(WindowId window, const ControlName& edit) = 0;
    // Selects a page of a tab control, clamped to the pages that exist. Runs no program code.
    virtual void set_current_page(WindowId window, const ControlName& tab, int index) = 0;

    // Windows.
    virtual bool is_open(WindowId window) = 0;
    // Activates an open window that is not pending destruction; otherwise builds it anew, runs its created
    // event while it is still invisible, then shows and activates it.
    virtual void open_window(WindowId window) = 0;
    // Marks the window for destruction and posts the request; it is carried out when messages are next
    // dispatched. Returns at once.
    virtual void destroy_window(WindowId window) = 0;
    // True from destroy_window until the destruction has been carried out.
    virtual bool is_destruction_pending(WindowId window) = 0;
    // Releases every window without its will-be-destroyed event, runs the exit routine once, ends the process.
    virtual void end_program(int exit_code) = 0;
    // Processes the window events that are pending, as the wait of a request does.
    virtual void process_pending_events() = 0;

    // The routine that end_program and the end of the message loop run, once; none until one is registered.
    virtual void set_exit_routine(std::function<void()> routine) = 0;
    // Dispatches window events until no window of the program is left (or the loop is told to quit); then runs
    // the exit routine and returns the exit code, 0.
    virtual int run_message_loop() = 0;
    // Styles 1 to 3 draw the standard controls of every window, existing and created later, flat with frames in
    // the style's colour; any other style removes that restyling.
    virtual void set_control_skin(int style) = 0;
    // While busy, the pointer shows the busy-in-background cursor over the program's windows; nothing is
    // disabled.
    virtual void set_busy(bool busy) = 0;
};

} // namespace namer
