#include "ui/control_builders.h"
#include "ui/handler_names.h"

namespace namer {

using namespace build;

// The explanation box starts empty; the created handler appends the explanation.
WindowDefinition meaning_window_definition() {
    WindowDefinition w;
    w.id = WindowId::MeaningWindow;
    w.settings.caption = "名字释义";
    w.settings.outer_width = 325;
    w.settings.outer_height = 274;
    ControlDefinition box = edit_box(control_names::meaning_box, on_window(), {22, 28, 275, 190});
    box.multi_line = true;
    // The frame is drawn around the box; the box is not its child.
    w.controls = {box, group_box("分组框1", on_window(), {7, 7, 304, 225})};
    w.bindings = {
        {"", WindowEvent::Created, handler_names::fill_meaning_text},
        {"", WindowEvent::CanBeClosed, handler_names::back_from_meaning},
    };
    return w;
}

} // namespace namer
