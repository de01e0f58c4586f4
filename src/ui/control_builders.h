#pragma once
#include "ui/window_definition.h"

namespace namer::build {

// Where a control stands: on the window, on a page of a tab control, or in a group box.
struct Place {
    ControlName container;
    int page = -1;
};

inline Place on_window() {
    return {};
}
inline Place on_page(const ControlName& tab, int page) {
    return {tab, page};
}
inline Place in_group(const ControlName& group_box) {
    return {group_box, -1};
}

// A control of `kind` with the settings every control of that kind has.
inline ControlDefinition control(ControlKind kind, ControlName name, Place place, ControlRect rect,
                                 std::string caption = {}) {
    ControlDefinition c;
    c.name = std::move(name);
    c.kind = kind;
    c.container = std::move(place.container);
    c.page = place.page;
    c.rect = rect;
    c.caption = std::move(caption);
    c.tab_stop = kind == ControlKind::EditBox || kind == ControlKind::OptionButton || kind == ControlKind::PushButton ||
                 kind == ControlKind::ListView;
    return c;
}

inline ControlDefinition label(ControlName name, Place place, ControlRect rect, std::string caption) {
    return control(ControlKind::Label, std::move(name), std::move(place), rect, std::move(caption));
}
inline ControlDefinition edit_box(ControlName name, Place place, ControlRect rect) {
    return control(ControlKind::EditBox, std::move(name), std::move(place), rect);
}
inline ControlDefinition group_box(ControlName name, Place place, ControlRect rect) {
    return control(ControlKind::GroupBox, std::move(name), std::move(place), rect);
}
inline ControlDefinition push_button(ControlName name, Place place, ControlRect rect, std::string caption) {
    return control(ControlKind::PushButton, std::move(name), std::move(place), rect, std::move(caption));
}
inline ControlDefinition option_button(ControlName name, const ControlName& group, ControlRect rect,
                                       std::string caption, bool checked = false) {
    ControlDefinition c =
        control(ControlKind::OptionButton, std::move(name), in_group(group), rect, std::move(caption));
    c.checked = checked;
    return c;
}

} // namespace namer::build
