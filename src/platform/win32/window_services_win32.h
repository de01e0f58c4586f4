#pragma once
#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/window_services.h"
#include "ui/handler_table.h"
#include "ui/window_definition.h"

namespace namer {

struct LiveWindow;

// The window services on real Win32 windows built from the window definitions, for the one GUI thread. While it
// lives it is the toolkit of the process: its message filter handles the dialog keys of its windows. Destroying it
// destroys its windows without their events.
class Win32WindowServices : public WindowServices {
public:
    explicit Win32WindowServices(HandlerTable handlers,
                                 std::vector<WindowDefinition> definitions = window_definitions());
    ~Win32WindowServices() override;
    Win32WindowServices(const Win32WindowServices&) = delete;
    Win32WindowServices& operator=(const Win32WindowServices&) = delete;

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
    [[noreturn]] void end_program(int exit_code) override;
    void process_pending_events() override;
    void set_exit_routine(std::function<void()> routine) override;
    int run_message_loop() override;
    void set_control_skin(int style) override;
    void set_busy(bool busy) override;
    void scroll_to_start(WindowId window, const ControlName& edit) override;

    // The handles of an open window and of its controls; null when the window is not open or has no such control.
    HWND window_handle(WindowId window) const;
    HWND control_handle(WindowId window, const ControlName& name) const;

    // The toolkit of the process, null when none lives.
    static Win32WindowServices* current();
    // The program's window with that top-level handle, null for any other window.
    LiveWindow* live_window(HWND root);
    // Shows the controls of a tab control's page and hides those of its other pages, as a choice of the user.
    void show_page(LiveWindow& window, int tab_index, int page);
    // Runs the handler the definition binds to an event of the window or of one of its controls.
    void raise(LiveWindow& window, const ControlName& source, WindowEvent event);

private:
    friend LRESULT CALLBACK toolkit_window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT handle_message(LiveWindow& window, UINT message, WPARAM wparam, LPARAM lparam);
    std::shared_ptr<LiveWindow> find(WindowId id) const;
    std::shared_ptr<LiveWindow> shared(HWND root) const;
    void create_window(const std::shared_ptr<LiveWindow>& window);
    void destroy_now(const std::shared_ptr<LiveWindow>& window);
    void close(const std::shared_ptr<LiveWindow>& window);
    void window_gone(HWND hwnd);
    void end_loop_if_no_window();
    void release_windows();
    void run_exit_routine();
    void focus_first(LiveWindow& window);
    void check_option(LiveWindow& window, int index);
    const WindowDefinition& definition(WindowId id) const;
    HWND control_of_kind(WindowId window, const ControlName& name, ControlKind kind) const;

    HandlerTable handlers_;
    std::vector<WindowDefinition> definitions_;
    std::map<WindowId, std::shared_ptr<LiveWindow>> windows_;
    std::function<void()> exit_routine_;
    bool loop_running_ = false;
    bool quit_posted_ = false;
    bool ending_ = false;
    bool busy_ = false;
    int replacing_ = 0; // a pending window is being destroyed to be built anew
};

} // namespace namer
