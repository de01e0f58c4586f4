#pragma once
#include <memory>

#include "platform/internet.h"
#include "platform/shell.h"
#include "platform/tasks.h"

namespace namer {

// The real backends of the platform interfaces (Windows only).
std::unique_ptr<InternetApi> make_wininet_api();
std::unique_ptr<Tasks> make_win32_tasks();
std::unique_ptr<Shell> make_win32_shell();

} // namespace namer
