#pragma once
#include <memory>

#include "platform/internet.h"
#include "platform/shell.h"
#include "platform/tasks.h"
#include "platform/window_services.h"

namespace namer {

class HandlerTable;

// The real backends of the platform interfaces (Windows only).
std::unique_ptr<InternetApi> make_wininet_api();
std::unique_ptr<Tasks> make_win32_tasks();
std::unique_ptr<Shell> make_win32_shell();
// The window toolkit built from the window definitions, running events through `handlers`.
std::unique_ptr<WindowServices> make_win32_window_services(const HandlerTable& handlers);

} // namespace namer
