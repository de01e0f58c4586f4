#include "fake_windows.h"

#include <algorithm>

namespace namer {

FakeWindows::FakeWindows(std::vector<WindowDefinition> definitions) : definitions_(std::move(definitions)) {}

const WindowDefinition& FakeWindows::definition(WindowId id) const {
    for (const WindowDefinition& w : definitions_)
        if (w.id == id)
            return w;
    throw std::logic_error("no definition of window " + name(id));
}

std::string FakeWindows::name(WindowId id) {
    switch (id) {
    case WindowId::MainWindow:
        return "Main";
    case WindowId::ResultWindow:
        return "Result";
    case WindowId::MeaningWindow:
        return "Meaning";
    }
    return "?";
}

const ControlDefinition* FakeWindows::control(WindowId id, const ControlName& name, ControlKind kind) {
    if (!window(id).open)
        return nullptr;
    const ControlDefinition* c = definition(id).find(name);
    return c && c->kind == kind ? c : nullptr;
}

FakeWindows::List* FakeWindows::list(WindowId id, const ControlName& name) {
    if (!control(id, name, ControlKind::ListView))
        return nullptr;
    return &window(id).lists[name];
}

void FakeWindows::run_event(WindowId id, const ControlName& source, WindowEvent event) {
    std::map<WindowId, std::function<void()>>* hooks = nullptr;
    if (source.empty() && event == WindowEvent::Created)
        hooks = &on_created;
    else if (source.empty() && event == WindowEvent::CanBeClosed)
        hooks = &on_can_close;
    else if (source.empty() && event == WindowEvent::WillBeDestroyed)
        hooks = &on_destroyed;
    if (hooks) {
        if (auto it = hooks->find(id); it != hooks->end() && it->second) {
            auto hook = it->second; // a copy: the handler may replace it
            if (event == WindowEvent::Created)
                log.push_back("created " + name(id));
            hook();
            return;
        }
    }
    const std::string handler = definition(id).handler_for(source, event);
    if (!handlers.is_bound(handler))
        return;
    if (event == WindowEvent::Created)
        log.push_back("created " + name(id));
    handlers.run(handler);
}

Text FakeWindows::edit_text(WindowId id, const ControlName& edit) {
    if (!control(id, edit, ControlKind::EditBox))
        return Text();
    return window(id).edits[edit];
}

bool FakeWindows::is_checked(WindowId id, const ControlName& option) {
    return control(id, option, ControlKind::OptionButton) && window(id).checked[option];
}

int FakeWindows::first_selected_row(WindowId id, const ControlName& name) {
    const List* l = list(id, name);
    if (!l || l->selected < 0 || static_cast<std::size_t>(l->selected) >= l->rows.size())
        return -1;
    return l->selected;
}

Text FakeWindows::cell_text(WindowId id, const ControlName& name, int row, int column) {
    const List* l = list(id, name);
    if (!l || row < 0 || column < 0 || static_cast<std::size_t>(row) >= l->rows.size())
        return Text();
    const auto& cells = l->rows[row];
    return static_cast<std::size_t>(column) < cells.size() ? cells[column] : Text();
}

void FakeWindows::insert_column(WindowId id, const ControlName& name, const Text& title, int width) {
    if (List* l = list(id, name))
        l->columns.emplace_back(title, width);
}

int FakeWindows::insert_row(WindowId id, const ControlName& name, const Text& first_cell) {
    List* l = list(id, name);
    if (!l)
        return -1;
    l->rows.push_back({first_cell});
    return static_cast<int>(l->rows.size()) - 1;
}

void FakeWindows::set_cell(WindowId id, const ControlName& name, int row, int column, const Text& text) {
    List* l = list(id, name);
    if (!l || row < 0 || column < 0 || static_cast<std::size_t>(row) >= l->rows.size())
        return;
    auto& cells = l->rows[row];
    if (cells.size() <= static_cast<std::size_t>(column))
        cells.resize(column + 1);
    cells[column] = text;
}

void FakeWindows::append_to_edit_box(WindowId id, const ControlName& edit, const Text& text) {
    if (control(id, edit, ControlKind::EditBox))
        window(id).edits[edit] += text;
}

void FakeWindows::set_current_page(WindowId id, const ControlName& tab, int index) {
    const ControlDefinition* c = control(id, tab, ControlKind::TabControl);
    if (!c || c->pages.empty())
        return;
    window(id).pages[tab] = std::clamp(index, 0, static_cast<int>(c->pages.size()) - 1);
}

bool FakeWindows::is_open(WindowId id) {
    return window(id).open;
}

void FakeWindows::open_window(WindowId id) {
    Window& w = window(id);
    if (w.open && !w.pending) {
        log.push_back("activate " + name(id));
        return;
    }
    if (w.open)
        destroy_now(id);
    Window fresh;
    fresh.open = true;
    for (const ControlDefinition& c : definition(id).controls) {
        if (c.kind == ControlKind::EditBox)
            fresh.edits[c.name] = Text();
        else if (c.kind == ControlKind::OptionButton)
            fresh.checked[c.name] = c.checked;
        else if (c.kind == ControlKind::ListView)
            fresh.lists[c.name] = List();
        else if (c.kind == ControlKind::TabControl)
            fresh.pages[c.name] = c.selected_page;
    }
    windows_[id] = std::move(fresh);
    ++generation_[id];
    log.push_back("open " + name(id));
    if (auto it = initial_state.find(id); it != initial_state.end() && it->second)
        it->second(window(id));
    const int instance = generation_[id];
    run_event(id, "", WindowEvent::Created);
    if (generation_[id] != instance || !window(id).open)
        return; // the created handler had the window destroyed or built anew
    window(id).shown = true;
    log.push_back("show " + name(id));
}

void FakeWindows::destroy_window(WindowId id) {
    if (!window(id).open)
        return;
    window(id).pending = true;
    posted_.emplace_back(id, generation_[id]);
    log.push_back("destroy-request " + name(id));
}

bool FakeWindows::is_destruction_pending(WindowId id) {
    return window(id).open && window(id).pending;
}

void FakeWindows::destroy_now(WindowId id) {
    window(id).pending = false;
    const int instance = generation_[id];
    run_event(id, "", WindowEvent::WillBeDestroyed);
    // The handler may itself have replaced the window; only the instance being destroyed goes.
    if (generation_[id] != instance || !window(id).open)
        return;
    window(id).open = false;
    log.push_back("destroyed " + name(id));
}

void FakeWindows::close(WindowId id) {
    if (!window(id).open || closing_[id])
        return;
    const int instance = generation_[id];
    {
        // A second close while the handler runs (it may wait for a request) is ignored.
        struct Closing {
            bool& flag;
            ~Closing() { flag = false; }
        } closing{closing_[id] = true};
        run_event(id, "", WindowEvent::CanBeClosed);
    }
    if (window(id).open && generation_[id] == instance)
        destroy_now(id);
}

void FakeWindows::click(WindowId id, const ControlName& name) {
    if (!window(id).open)
        return;
    const ControlDefinition* c = definition(id).find(name);
    if (!c || !is_visible(id, name))
        return;
    if (c->kind == ControlKind::PushButton) {
        run_event(id, name, WindowEvent::Clicked);
    } else if (c->kind == ControlKind::OptionButton) {
        for (const ControlDefinition& other : definition(id).controls)
            if (other.kind == ControlKind::OptionButton && other.container == c->container)
                window(id).checked[other.name] = other.name == name;
    }
}

void FakeWindows::type(WindowId id, const ControlName& edit, const Text& text) {
    if (control(id, edit, ControlKind::EditBox) && is_visible(id, edit))
        window(id).edits[edit] += text;
}

void FakeWindows::choose_page(WindowId id, const ControlName& tab, int page) {
    const ControlDefinition* c = control(id, tab, ControlKind::TabControl);
    if (c && page >= 0 && page < static_cast<int>(c->pages.size()))
        window(id).pages[tab] = page;
}

void FakeWindows::double_click(WindowId id, const ControlName& name, int row) {
    List* l = list(id, name);
    if (!l)
        return;
    l->selected = row >= 0 && static_cast<std::size_t>(row) < l->rows.size() ? row : -1;
    run_event(id, name, WindowEvent::DoubleClicked);
}

bool FakeWindows::is_visible(WindowId id, const ControlName& name) {
    if (!window(id).open)
        return false;
    const WindowDefinition& w = definition(id);
    const ControlDefinition* c = w.find(name);
    if (!c)
        return false;
    int page = -1;
    const ControlDefinition* tab = w.page_owner(*c, &page);
    return !tab || window(id).pages[tab->name] == page;
}

bool FakeWindows::any_open() {
    return std::any_of(windows_.begin(), windows_.end(), [](const auto& entry) { return entry.second.open; });
}

void FakeWindows::set_exit_routine(std::function<void()> routine) {
    exit_routine_ = std::move(routine);
}

void FakeWindows::run_exit_routine() {
    auto routine = std::move(exit_routine_);
    exit_routine_ = nullptr; // unregistered before it runs, so it runs once
    if (routine)
        routine();
}

void FakeWindows::end_program(int exit_code) {
    for (auto& entry : windows_)
        entry.second = Window();
    posted_.clear();
    run_exit_routine();
    log.push_back("end " + std::to_string(exit_code));
    throw ProgramEnded(exit_code);
}

void FakeWindows::process_pending_events() {
    std::vector<std::pair<WindowId, int>> posted;
    posted.swap(posted_);
    for (const auto& [id, instance] : posted)
        if (window(id).open && window(id).pending && generation_[id] == instance)
            destroy_now(id);
    if (on_events) {
        auto hook = std::move(on_events);
        on_events = nullptr;
        hook();
    }
}

int FakeWindows::run_message_loop() {
    while (any_open() && (!posted_.empty() || on_events))
        process_pending_events();
    if (any_open())
        return -1;
    log.push_back("loop ended");
    run_exit_routine();
    return 0;
}

void FakeWindows::set_control_skin(int style) {
    skin_style = style;
    log.push_back("skin " + std::to_string(style));
}

} // namespace namer
