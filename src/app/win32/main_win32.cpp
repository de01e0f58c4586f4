#include <windows.h>

#include "app/program.h"
#include "platform/platform.h"
#include "platform/win32/backends.h"
#ifdef NAMER_EMBED_SERVICE
#include "app/embedded_service.h"
#include "query/naming_service.h"
#endif

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace namer;
#ifdef NAMER_EMBED_SERVICE
    // The naming service answers on loopback from this process, unless another instance already does.
    EmbeddedService service;
    service.start_for(service_base);
    auto at_exit = [&service] { service.stop(); };
    // When the instance that served has ended meanwhile, this one takes over before its next request.
    auto before_request = [&service] { service.start_for(service_base); };
#else
    std::function<void()> at_exit;
    std::function<void()> before_request;
#endif
    const std::unique_ptr<InternetApi> internet = make_wininet_api();
    const std::unique_ptr<Tasks> tasks = make_win32_tasks();
    const std::unique_ptr<Shell> shell = make_win32_shell();
    const std::unique_ptr<WindowServices> windows = make_win32_window_services(program_handlers(before_request));
    platform() = Platform{internet.get(), tasks.get(), windows.get(), shell.get()};
    return start_program(at_exit);
}
