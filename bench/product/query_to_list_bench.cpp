// From the click on 免费起名 (200 names asked for) to the ResultWindow shown with all its rows, in this process
// on the real window toolkit and WinInet, with the naming service serving on the built-in address from background
// threads of the same process, as namer.exe has it.
//
// Each run posts the click to the button of a fresh MainWindow and dispatches messages one at a time until the
// query handler has returned, then lets the ResultWindow paint what is pending. The phases come from the run
// itself: the query handler and fill_result_list are wrapped through the handler table, and the request is the
// time from the start of the worker thread to the wait seeing it end (a wrapper around the tasks backend). The
// fill is split by running its extraction steps (text_between, compiling the item expression, search_all) again
// on the same page right after the run; the rest of the fill is the list fill (rows, names and pinyin).
//
//   product_bench.exe [--runs N] [--warm-up N] [--each]      (--each: one line per run as well)
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/program.h"
#include "base/gbk.h"
#include "platform/platform.h"
#include "platform/win32/backends.h"
#include "platform/win32/message_pump.h"
#include "platform/win32/window_services_win32.h"
#include "present/fill_result_list.h"
#include "present/pattern.h"
#include "present/text_between.h"
#include "query/naming_service.h"
#include "query/query_handlers.h"
#include "service/naming_server.h"
#include "state/program_state.h"
#include "ui/handler_names.h"
#include "web/url_parts.h"

using namespace namer;

namespace {

double now_ms() {
    static const double ticks_per_ms = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart) / 1000.0;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / ticks_per_ms;
}

// Moments of one run, in milliseconds; 0 until reached.
struct Moments {
    double click = 0;
    double handler_start = 0;
    double request_start = 0;
    double request_end = 0;
    double fill_start = 0;
    double fill_end = 0;
    double handler_end = 0;
    double shown = 0;
};
Moments moments;

// The tasks backend, noting when the request's worker starts and when the wait sees it end.
class TimedTasks : public Tasks {
public:
    explicit TimedTasks(std::unique_ptr<Tasks> real) : real_(std::move(real)) {}
    std::unique_ptr<Worker> start_worker(std::function<void()> entry) override {
        moments.request_start = now_ms();
        return real_->start_worker(std::move(entry));
    }
    WaitResult wait_for_worker(Worker* worker, std::uint32_t timeout_ms) override {
        const WaitResult result = real_->wait_for_worker(worker, timeout_ms);
        if (result == WaitResult::worker_ended)
            moments.request_end = now_ms();
        return result;
    }
    std::uint32_t uptime_ms() override { return real_->uptime_ms(); }
    void pump_messages() override { real_->pump_messages(); }

private:
    std::unique_ptr<Tasks> real_;
};

HandlerTable timed_handlers() {
    HandlerTable handlers = program_handlers();
    handlers.bind(handler_names::query_free_naming, [] {
        moments.handler_start = now_ms();
        query_free_naming();
        moments.handler_end = now_ms();
    });
    handlers.bind(handler_names::fill_result_list, [] {
        moments.fill_start = now_ms();
        fill_result_list();
        moments.fill_end = now_ms();
    });
    return handlers;
}

// The extraction steps of fill_result_list on the page of the last query, timed on their own.
double extraction_ms(const Text& page) {
    Pattern pattern;
    const double start = now_ms();
    const Text section = text_between(page, "<ul>", "</ul>");
    compile_pattern(pattern, item_expression);
    const MatchList matches = search_all(pattern, section);
    const double end = now_ms();
    return matches.empty() ? -1 : end - start;
}

void post_click(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(hwnd, WM_LBUTTONUP, 0, at);
}

// Dispatches messages one at a time until `done`, waiting for more when none is queued.
template <typename Done> bool dispatch_until(Done done, DWORD limit_ms) {
    const double until = now_ms() + limit_ms;
    while (!done()) {
        if (now_ms() > until)
            return false;
        MSG message;
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            dispatch_message(message);
        else
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return true;
}

struct Run {
    double total, dispatch, before_request, request, after_request, extraction, list_fill, show;
};

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const double rank = p * static_cast<double>(values.size() - 1);
    const std::size_t low = static_cast<std::size_t>(rank);
    const std::size_t high = std::min(low + 1, values.size() - 1);
    return values[low] + (rank - static_cast<double>(low)) * (values[high] - values[low]);
}

} // namespace

int main(int argc, char** argv) {
    int runs = 20;
    int warm_up = 2;
    bool each = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--each") == 0)
            each = true;
        else if (i + 1 < argc && std::strcmp(argv[i], "--runs") == 0)
            runs = std::max(1, std::atoi(argv[++i]));
        else if (i + 1 < argc && std::strcmp(argv[i], "--warm-up") == 0)
            warm_up = std::max(0, std::atoi(argv[++i]));
    }

    service::NamingServer service;
    if (const std::error_code error =
            service.start(host_from_url(service_base), static_cast<std::uint16_t>(port_from_url(service_base)))) {
        std::fprintf(stderr, "product_bench: cannot serve on %s: %s\n", service_base.c_str(), error.message().c_str());
        return 1;
    }

    const std::unique_ptr<InternetApi> internet = make_wininet_api();
    TimedTasks tasks(make_win32_tasks());
    const std::unique_ptr<Shell> shell = make_win32_shell();
    Win32WindowServices toolkit(timed_handlers());
    platform() = Platform{internet.get(), &tasks, &toolkit, shell.get()};
    create_state_objects();
    toolkit.set_exit_routine(release_program_state);
    toolkit.open_window(WindowId::MainWindow);
    pump_pending_messages();

    std::vector<Run> results;
    for (int i = 0; i < warm_up + runs; ++i) {
        HWND main = toolkit.window_handle(WindowId::MainWindow);
        SetWindowTextW(toolkit.control_handle(WindowId::MainWindow, "编辑框_姓氏1"), L"张");
        SendMessageW(toolkit.control_handle(WindowId::MainWindow, "单选框_200条1"), BM_CLICK, 0, 0);
        pump_pending_messages();
        if (!main || !toolkit.is_checked(WindowId::MainWindow, "单选框_200条1")) {
            std::fprintf(stderr, "product_bench: no MainWindow with 200条 checked\n");
            return 1;
        }

        moments = Moments{};
        moments.click = now_ms();
        post_click(toolkit.control_handle(WindowId::MainWindow, "按钮_免费起名"));
        if (!dispatch_until([] { return moments.handler_end != 0; }, 60000)) {
            std::fprintf(stderr, "product_bench: the query did not end\n");
            return 1;
        }
        HWND result = toolkit.window_handle(WindowId::ResultWindow);
        RedrawWindow(result, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        moments.shown = now_ms();

        HWND list = toolkit.control_handle(WindowId::ResultWindow, "超级列表框1");
        const int rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        if (!IsWindowVisible(result) || rows != 200) {
            std::fprintf(stderr, "product_bench: the ResultWindow shows %d rows\n", rows);
            return 1;
        }
        const double extraction = extraction_ms(program_state().result_page);
        const Moments m = moments;
        if (i >= warm_up)
            results.push_back(Run{m.shown - m.click, m.handler_start - m.click, m.request_start - m.handler_start,
                                  m.request_end - m.request_start, m.fill_start - m.request_end, extraction,
                                  m.fill_end - m.fill_start - extraction, m.shown - m.fill_end});

        // Back to a fresh MainWindow for the next run.
        SendMessageW(result, WM_SYSCOMMAND, SC_CLOSE, 0);
        dispatch_until(
            [&] { return toolkit.is_open(WindowId::MainWindow) && !toolkit.is_open(WindowId::ResultWindow); }, 10000);
        pump_pending_messages();
    }

    struct Phase {
        const char* name;
        double Run::*field;
    };
    const Phase phases[] = {
        {"click to handler", &Run::dispatch},
        {"request composed", &Run::before_request},
        {"request (worker, WinInet, service)", &Run::request},
        {"reply stored, window built", &Run::after_request},
        {"extraction (section, expression, search)", &Run::extraction},
        {"list fill (rows, names, pinyin)", &Run::list_fill},
        {"shown and painted", &Run::show},
    };
    std::vector<double> totals;
    for (const Run& r : results) {
        totals.push_back(r.total);
        if (each) {
            std::printf("run %2zu: total %6.1f ms", totals.size(), r.total);
            for (const Phase& phase : phases)
                std::printf(" | %5.1f", r.*phase.field);
            std::printf("\n");
        }
    }
    double total_sum = 0;
    for (double t : totals)
        total_sum += t;
    std::printf("click on 免费起名 (200 names) to the ResultWindow shown with all rows: %d runs after %d warm-up\n",
                runs, warm_up);
    std::printf("%-42s %9s %9s %7s\n", "phase", "median", "p95", "share");
    for (const Phase& phase : phases) {
        std::vector<double> values;
        double sum = 0;
        for (const Run& r : results) {
            values.push_back(r.*phase.field);
            sum += r.*phase.field;
        }
        std::printf("%-42s %7.1f ms %7.1f ms %6.1f%%\n", phase.name, percentile(values, 0.5), percentile(values, 0.95),
                    100.0 * sum / total_sum);
    }
    std::printf("%-42s %7.1f ms %7.1f ms\n", "total", percentile(totals, 0.5), percentile(totals, 0.95));

    toolkit.set_exit_routine({});
    release_program_state();
    service.stop();
    return 0;
}
