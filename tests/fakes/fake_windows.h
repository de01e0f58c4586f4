#pragma once
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/window_services.h"
#include "ui/handler_table.h"
#include "ui/window_definition.h"

namespace namer {

// Thrown by FakeWindows::end_program, which must not return.
struct ProgramEnded : std::runtime_error {
    explicit ProgramEnded(int code) : std::runtime_error("program ended"), exit_code(code) {}
    int exit_code;
};

// An in-memory window toolkit with the rules of the real one, built from the same window definitions: controls
// exist as the definitions list them, in their initial states; events run the handlers the definitions bind by
// name; destruction asked for is carried out when events are processed; the created event runs before showing;
// an open window is only activated. Tests play the user through click(), type(), choose_page(), double_click()
// and close(), or set what the user typed and chose directly through window().
class FakeWindows : public WindowServices {
public:
    struct List {
        std::vector<std::pair<Text, int>> columns; // title, width
        std::vector<std::vector<Text>> rows;
        int selected = -1;
    };
    struct Window {
        bool open = false;
        bool pending = false;
        bool shown = false; // after its created event
        std::map<ControlName, Text> edits;
        std::map<ControlName, bool> checked;
        std::map<ControlName, List> lists;
        std::map<ControlName, int> pages;
    };

    explicit FakeWindows(std::vector<WindowDefinition> definitions = window_definitions());

    // The program's handlers, run by the names the definitions bind.
    HandlerTable handlers;
    // Per-window handlers; one that is set replaces what the definition binds to that event.
    std::map<WindowId, std::function<void()>> on_created, on_can_close, on_destroyed;
    // Runs with every processing of pending events (user actions during a wait or in the message loop).
    std::function<void()> on_events;
    // Changes to a freshly built window's initial control states, applied before its created event.
    std::map<WindowId, std::function<void(Window&)>> initial_state;
    // The style of the last set_control_skin, 0 before any.
    int skin_style = 0;
    // Whether the pointer shows the busy cursor.
    bool busy = false;
    // Edit boxes scrolled back to their start, in order.
    std::vector<ControlName> scrolled_to_start;

    // What happened, in order: "open Main", "activate Main", "created Main", "show Main", "destroy-request Main",
    // "destroyed Main", "skin 3", "loop ended", "end 0".
    std::vector<std::string> log;

    Window& window(WindowId id) { return windows_[id]; }
    const WindowDefinition& definition(WindowId id) const;
    static std::string name(WindowId id);

    // The user closes a window (close button, Alt+F4 or Esc): can-be-closed handler, then destroyed at once.
    void close(WindowId id);
    // The user clicks a push button (its clicked handler runs) or an option button (checked, the other buttons
    // of its group box unchecked). Other controls and closed windows ignore the click.
    void click(WindowId id, const ControlName& control);
    // The user types text at the end of an edit box.
    void type(WindowId id, const ControlName& edit, const Text& text);
    // The user clicks the tab of a page: it is selected, no program code runs.
    void choose_page(WindowId id, const ControlName& tab, int page);
    // The user double-clicks a list on a row, or below the last row (leaving no row selected); the
    // double-clicked handler runs either way.
    void double_click(WindowId id, const ControlName& list, int row);
    // Whether the user sees the control: its window is open and, on a tab page, that page is selected.
    bool is_visible(WindowId id, const ControlName& control);

    Text edit_text(WindowId window, const ControlName& edit) override;
    bool is_checked(WindowId window, const ControlName& option) override;
    int first_selected_row(WindowId window, const ControlName& list) override;
    Text cell_text(WindowId window, const ControlName& list, int row, int column) override;
    void insert_column(WindowId window, const ControlName& list, const Text& title, int width) override;
    int insert_row(WindowId window, const ControlName& list, const Text& first_cell) override;
    void set_cell(WindowId window, const ControlName& list, int row, int column, const Text& text) override;
    void append_to_edit_box(WindowId window, const ControlName& edit, const Text& text) override;
    void set_current_page(WindowId window, const ControlName& tab, int index) override;
    bool is_open(WindowId window) override;
    void open_window(WindowId window) override;
    void destroy_window(WindowId window) override;
    bool is_destruction_pending(WindowId window) override;
    // Releases the windows without their will-be-destroyed events, runs the exit routine once, throws
    // ProgramEnded.
    void end_program(int exit_code) override;
    void process_pending_events() override;
    void set_exit_routine(std::function<void()> routine) override;
    // Processes events while a window is open and something is left to process (a destruction request or
    // on_events). When no window is left it runs the exit routine and returns 0; when windows are still open
    // with nothing left to process (the test's user walked away) it returns -1 without the exit routine.
    int run_message_loop() override;
    void set_control_skin(int style) override;
    void set_busy(bool on) override { busy = on; }
    void scroll_to_start(WindowId window, const ControlName& edit) override {
        if (is_open(window))
            scrolled_to_start.push_back(edit);
    }

private:
    void run_event(WindowId id, const ControlName& source, WindowEvent event);
    void destroy_now(WindowId id);
    void run_exit_routine();
    bool any_open();
    const ControlDefinition* control(WindowId id, const ControlName& name, ControlKind kind);
    List* list(WindowId id, const ControlName& name);

    std::vector<WindowDefinition> definitions_;
    std::map<WindowId, Window> windows_;
    std::map<WindowId, int> generation_; // which instance of a window is open
    std::map<WindowId, bool> closing_;
    std::vector<std::pair<WindowId, int>> posted_;
    std::function<void()> exit_routine_;
};

} // namespace namer
