#include "ui/window_definition.h"

namespace namer {

const ControlDefinition* WindowDefinition::find(const ControlName& name) const {
    for (const ControlDefinition& c : controls)
        if (c.name == name)
            return &c;
    return nullptr;
}

std::string WindowDefinition::handler_for(const ControlName& source, WindowEvent event) const {
    for (const EventBinding& b : bindings)
        if (b.source == source && b.event == event)
            return b.handler;
    return std::string();
}

const ControlDefinition* WindowDefinition::page_owner(const ControlDefinition& control, int* page) const {
    const ControlDefinition* current = &control;
    // Containers come before their contents, so the walk up ends; the bound guards a faulty table.
    for (std::size_t depth = 0; depth <= controls.size() && current && !current->container.empty(); ++depth) {
        const ControlDefinition* container = find(current->container);
        if (container && container->kind == ControlKind::TabControl) {
            if (page)
                *page = current->page;
            return container;
        }
        current = container;
    }
    return nullptr;
}

const std::vector<WindowDefinition>& window_definitions() {
    static const std::vector<WindowDefinition> all = {main_window_definition(), result_window_definition(),
                                                      meaning_window_definition()};
    return all;
}

const WindowDefinition& window_definition(WindowId id) {
    for (const WindowDefinition& w : window_definitions())
        if (w.id == id)
            return w;
    return window_definitions().front();
}

} // namespace namer
