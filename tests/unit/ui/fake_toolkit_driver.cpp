// The rule tests against the in-memory fake toolkit.
#include "fakes/fake_windows.h"
#include "toolkit_driver.h"

namespace namer {
namespace {

class FakeDriver : public ToolkitDriver {
public:
    explicit FakeDriver(const HandlerTable& handlers) { fake_.handlers = handlers; }

    WindowServices& services() override { return fake_; }
    void click(WindowId window, const ControlName& control) override {
        fake_.click(window, control);
        fake_.process_pending_events();
    }
    void type(WindowId window, const ControlName& edit, const Text& text) override {
        fake_.type(window, edit, text);
        fake_.process_pending_events();
    }
    void choose_page(WindowId window, const ControlName& tab, int page) override {
        fake_.choose_page(window, tab, page);
        fake_.process_pending_events();
    }
    void press_escape(WindowId window, const ControlName&) override {
        fake_.close(window);
        fake_.process_pending_events();
    }
    void double_click_list(WindowId window, const ControlName& list, int row) override {
        fake_.double_click(window, list, row);
        fake_.process_pending_events();
    }
    void queue_escape(WindowId window) override {
        fake_.on_events = [this, window] { fake_.close(window); };
    }
    bool is_visible(WindowId window, const ControlName& control) override { return fake_.is_visible(window, control); }
    bool is_window_visible(WindowId window) override { return fake_.window(window).open && fake_.window(window).shown; }
    int current_page(WindowId window, const ControlName& tab) override {
        auto& pages = fake_.window(window).pages;
        auto it = pages.find(tab);
        return it == pages.end() ? -1 : it->second;
    }
    int instances(WindowId window) override { return fake_.is_open(window) ? 1 : 0; }

private:
    FakeWindows fake_;
};

} // namespace

std::unique_ptr<ToolkitDriver> make_toolkit_driver(const HandlerTable& handlers) {
    return std::make_unique<FakeDriver>(handlers);
}

} // namespace namer
