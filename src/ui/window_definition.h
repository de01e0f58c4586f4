#pragma once
#include <string>
#include <vector>

#include "platform/window_services.h"

namespace namer {

// The kinds of control the windows are built from.
enum class ControlKind { EditBox, OptionButton, PushButton, Label, GroupBox, TabControl, Hyperlink, ListView };

// Events a definition can bind to a handler. The first three belong to the window, the others to a control.
enum class WindowEvent { Created, CanBeClosed, WillBeDestroyed, Clicked, DoubleClicked };

// In pixels: left and top relative to the container, then the size.
struct ControlRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// What following a hyperlink opens: the web address, or "mailto:" and the e-mail address.
enum class LinkKind { Web, Email };

struct LinkTarget {
    LinkKind kind = LinkKind::Web;
    std::string web_address;   // ASCII
    std::string email_address; // ASCII
};

// One control of a window. Captions and names are UTF-8 source text; the toolkits turn captions into GBK.
struct ControlDefinition {
    ControlName name;
    ControlKind kind = ControlKind::Label;
    // Empty: the window itself. Otherwise a tab control (with `page`) or a group box defined earlier.
    ControlName container;
    int page = -1;
    ControlRect rect;
    std::string caption;
    bool checked = false;    // option buttons
    bool multi_line = false; // edit boxes: several lines, both scroll bars, Enter inserts a line break
    bool visible = true;     // tab controls still hide the controls of the pages not selected
    bool enabled = true;
    bool tab_stop = false;          // takes the focus with the Tab key
    std::vector<std::string> pages; // tab controls: page captions in page order
    int selected_page = 0;          // tab controls: the page selected when the window is created
    LinkTarget link;                // hyperlinks
};

struct EventBinding {
    ControlName source; // empty: the window
    WindowEvent event = WindowEvent::Created;
    std::string handler; // a name of the handler table
};

// The window's own settings. All windows have a fixed dialog frame, system menu and close button, their own
// taskbar button, the button-face background, the program's icon and the default GUI font.
struct WindowSettings {
    std::string caption;
    int outer_width = 0; // frame and caption bar included
    int outer_height = 0;
    bool centred = true;
    bool escape_closes = true;
    bool minimize_box = false;
    bool maximize_box = false;
    bool resizable = false;
    bool always_on_top = false;
};

struct WindowDefinition {
    WindowId id = WindowId::MainWindow;
    WindowSettings settings;
    std::vector<ControlDefinition> controls; // in creation order; containers come before their contents
    std::vector<EventBinding> bindings;

    // Null when the window has no control of that name.
    const ControlDefinition* find(const ControlName& name) const;
    // The handler name bound to an event, empty when none is.
    std::string handler_for(const ControlName& source, WindowEvent event) const;
    // The tab control whose page a control lies on (through its group box), with that page; null when the
    // control is not on a page.
    const ControlDefinition* page_owner(const ControlDefinition& control, int* page) const;
};

// The three windows, as the program builds them.
const WindowDefinition& window_definition(WindowId id);
const std::vector<WindowDefinition>& window_definitions();

// Definitions of the individual windows (window_definitions() gathers them).
WindowDefinition main_window_definition();
WindowDefinition result_window_definition();
WindowDefinition meaning_window_definition();

// The control names of the windows that handlers and the program refer to.
namespace control_names {
inline const ControlName main_tab = "选择夹1";
inline const ControlName result_list = "超级列表框1";
inline const ControlName meaning_box = "编辑框_显示";
} // namespace control_names

} // namespace namer
