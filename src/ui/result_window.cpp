#include "ui/control_builders.h"
#include "ui/handler_names.h"

namespace namer {

using namespace build;

// The list starts without columns; the created handler inserts them and fills the rows.
WindowDefinition result_window_definition() {
    WindowDefinition w;
    w.id = WindowId::ResultWindow;
    w.settings.caption = "起名结果";
    w.settings.outer_width = 326;
    w.settings.outer_height = 275;
    // The frame is drawn around the list; the list is not its child.
    w.controls = {
        control(ControlKind::ListView, control_names::result_list, on_window(), {22, 31, 275, 190}),
        group_box("分组框1", on_window(), {8, 10, 304, 224}),
    };
    w.bindings = {
        {"", WindowEvent::Created, handler_names::fill_result_list},
        {"", WindowEvent::CanBeClosed, handler_names::back_from_results},
        {control_names::result_list, WindowEvent::DoubleClicked, handler_names::row_meaning_lookup},
    };
    return w;
}

} // namespace namer
