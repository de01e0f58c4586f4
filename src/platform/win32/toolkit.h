#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "ui/window_definition.h"

// The pieces of the Win32 window toolkit that its files share; nothing outside src/platform/win32 and the
// Windows tests includes this.
namespace namer {

// One open window of the program: its definition, its handle and its controls' handles in definition order.
struct LiveWindow {
    WindowId id = WindowId::MainWindow;
    const WindowDefinition* definition = nullptr;
    HWND hwnd = nullptr; // null once the window is destroyed
    std::vector<HWND> controls;
    bool pending = false;       // destruction asked for and not yet carried out
    bool closing = false;       // its can-be-closed handler is running
    bool quiet = false;         // destroyed without its will-be-destroyed event (end of the program)
    HWND saved_focus = nullptr; // the control that had the focus when the window was last deactivated
    HFONT font = nullptr;       // the window's own font (WM_SETFONT)

    // -1 when the handle is not one of the window's controls.
    int index_of(HWND control) const;
    // The control that is `child` or holds it (the header of a list, the edit of a combo box); -1 when none.
    int index_holding(HWND child) const;
    HWND control(const ControlName& name) const;
    const ControlDefinition& control_definition(int index) const { return definition->controls[index]; }
};

// Child controls are numbered from this identifier in definition order.
constexpr int first_control_id = 100;

// Messages of the toolkit.
constexpr UINT message_destroy_request = WM_APP + 1;

// The look shared by every window and control.
HFONT default_gui_font();
HBRUSH button_face_brush();
constexpr COLORREF control_text_colour = RGB(0, 0, 0);
constexpr COLORREF edit_background_colour = RGB(255, 255, 255);

// A caption of the definitions (UTF-8 source text) for the wide API, through its GBK form as every text of the
// windows goes.
std::wstring wide_caption(const std::string& utf8);

// Settings for making one child control.
struct ControlArgs {
    HWND parent = nullptr;
    int id = 0;
    const wchar_t* class_name = nullptr;
    std::wstring caption;
    DWORD style = 0; // besides WS_CHILD
    DWORD ex_style = 0;
    ControlRect rect; // in the parent's client area
};
HWND create_child(const ControlArgs& args);

// Makes the control of a definition inside `parent`, with the settings of its kind, its caption, initial state and
// the default GUI font. Null when the system refuses.
HWND create_control(const ControlDefinition& definition, HWND parent, int id);

// Makes a container (group box or tab control) hand the notifications and colour requests of the program's controls
// inside it to the top-level window.
void forward_to_window(HWND container);

// Hyperlinks: a static control drawn as a link that follows its target when pressed.
void make_hyperlink(HWND label, const LinkTarget& target);
// The colour the link's text has now: normal, under the mouse pointer, or followed.
COLORREF hyperlink_text_colour(HWND link);

// Lists: every double-click in the row area raises the list's double-clicked event.
void watch_list_double_clicks(HWND list);

// The dialog keys of the program's windows (Esc, Tab, Ctrl+Tab, Enter, arrows in option groups); true when the
// message was taken.
bool handle_dialog_key(MSG& message);

// Restyling of the thread's standard controls; see WindowServices::set_control_skin.
void apply_control_skin(int style);
// The frame colour in force, or CLR_INVALID when no restyling is.
COLORREF control_skin_colour();

} // namespace namer
