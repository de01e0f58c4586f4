#include "fake_windows.h"

#include <algorithm>

namespace namer {

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

Text FakeWindows::edit_text(WindowId id, const ControlName& edit) {
    Window& w = window(id);
    auto it = w.edits.find(edit);
    return w.open && it != w.edits.end() ? it->second : Text();
}

bool FakeWindows::is_checked(WindowId id, const ControlName& option) {
    Window& w = window(id);
    auto it = w.checked.find(option);
    return w.open && it != w.checked.end() && it->second;
}

int FakeWindows::first_selected_row(WindowId id, const ControlName& list) {
    Window& w = window(id);
    return w.open ? w.lists[list].selected : -1;
}

Text FakeWindows::cell_text(WindowId id, const ControlName& list, int row, int column) {
    Window& w = window(id);
    if (!w.open || row < 0 || column < 0)
        return Text();
    const List& l = w.lists[list];
    if (static_cast<std::size_t>(row) >= l.rows.size() || static_cast<std::size_t>(column) >= l.rows[row].size())
        return Text();
    return l.rows[row][column];
}

void FakeWindows::insert_column(WindowId id, const ControlName& list, const Text& title, int width) {
    if (window(id).open)
        window(id).lists[list].columns.emplace_back(title, width);
}

int FakeWindows::insert_row(WindowId id, const ControlName& list, const Text& first_cell) {
    if (!window(id).open)
        return -1;
    List& l = window(id).lists[list];
    l.rows.push_back({first_cell});
    return static_cast<int>(l.rows.size()) - 1;
}

void FakeWindows::set_cell(WindowId id, const ControlName& list, int row, int column, const Text& text) {
    if (!window(id).open || row < 0 || column < 0)
        return;
    List& l = window(id).lists[list];
    if (static_cast<std::size_t>(row) >= l.rows.size())
        return;
    auto& cells = l.rows[row];
    if (cells.size() <= static_cast<std::size_t>(column))
        cells.resize(column + 1);
    cells[column] = text;
}

void FakeWindows::append_to_edit_box(WindowId id, const ControlName& edit, const Text& text) {
    if (window(id).open)
        window(id).edits[edit] += text;
}

void FakeWindows::set_current_page(WindowId id, const ControlName& tab, int index) {
    if (window(id).open)
        window(id).pages[tab] = std::clamp(index, 0, page_count - 1);
}

bool FakeWindows::is_open(WindowId id) { return window(id).open; }

void FakeWindows::open_window(WindowId id) {
    Window& w = window(id);
    if (w.open && !w.pending) {
        log.push_back("activate " + name(id));
        return;
    }
    if (w.open)
        destroy_now(id);
    windows_[id] = Window();
    window(id).open = true;
    log.push_back("open " + name(id));
    if (auto it = initial_state.find(id); it != initial_state.end())
        it->second(window(id));
    if (auto it = on_created.find(id); it != on_created.end() && it->second) {
        log.push_back("created " + name(id));
        it->second();
    }
    log.push_back("show " + name(id));
}

void FakeWindows::destroy_window(WindowId id) {
    if (!window(id).open)
        return;
    window(id).pending = true;
    posted_.push_back(id);
    log.push_back("destroy-request " + name(id));
}

bool FakeWindows::is_destruction_pending(WindowId id) { return window(id).open && window(id).pending; }

void FakeWindows::destroy_now(WindowId id) {
    window(id).pending = false;
    if (auto it = on_destroyed.find(id); it != on_destroyed.end() && it->second)
        it->second();
    window(id).open = false;
    log.push_back("destroyed " + name(id));
}

void FakeWindows::close(WindowId id) {
    if (!window(id).open)
        return;
    if (auto it = on_can_close.find(id); it != on_can_close.end() && it->second)
        it->second();
    if (window(id).open)
        destroy_now(id);
}

void FakeWindows::end_program(int exit_code) {
    for (auto& entry : windows_)
        entry.second = Window();
    log.push_back("end " + std::to_string(exit_code));
    throw ProgramEnded(exit_code);
}

void FakeWindows::process_pending_events() {
    std::vector<WindowId> posted;
    posted.swap(posted_);
    for (WindowId id : posted)
        if (window(id).open && window(id).pending)
            destroy_now(id);
    if (on_events) {
        auto hook = std::move(on_events);
        on_events = nullptr;
        hook();
    }
}

} // namespace namer
