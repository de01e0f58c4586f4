#pragma once
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/window_services.h"

namespace namer {

// Thrown by FakeWindows::end_program, which must not return.
struct ProgramEnded : std::runtime_error {
    explicit ProgramEnded(int code) : std::runtime_error("program ended"), exit_code(code) {}
    int exit_code;
};

// An in-memory window toolkit with the rules of the real one: deferred destruction carried out when events are
// processed, created event before showing, activation of an open window. Controls come into being when first
// written; tests set what the user typed and chose through window().
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
        std::map<ControlName, Text> edits;
        std::map<ControlName, bool> checked;
        std::map<ControlName, List> lists;
        std::map<ControlName, int> pages;
    };

    // Event handlers per window, as the window definitions bind them.
    std::map<WindowId, std::function<void()>> on_created, on_can_close, on_destroyed;
    // Runs with every processing of pending events (user actions during a wait).
    std::function<void()> on_events;
    // Initial control states of a freshly built window.
    std::map<WindowId, std::function<void(Window&)>> initial_state;
    // Pages a tab control has (six for the MainWindow's tab control unless set).
    int page_count = 6;

    // What happened, in order: "open Main", "activate Main", "created Main", "show Main", "destroy-request Main",
    // "destroyed Main", "end 0".
    std::vector<std::string> log;

    Window& window(WindowId id) { return windows_[id]; }
    // The user closes a window: can-be-closed handler, then destroyed at once.
    void close(WindowId id);
    static std::string name(WindowId id);

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
    void end_program(int exit_code) override;
    void process_pending_events() override;

private:
    void destroy_now(WindowId id);
    std::map<WindowId, Window> windows_;
    std::vector<WindowId> posted_;
};

} // namespace namer
