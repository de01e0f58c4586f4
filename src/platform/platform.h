#pragma once
#include "platform/internet.h"
#include "platform/shell.h"
#include "platform/tasks.h"
#include "platform/window_services.h"

namespace namer {

// The platform the handlers run on. Handlers take no arguments, so they reach it through platform();
// the program installs the real backends once at start, tests install fakes.
struct Platform {
    InternetApi* internet = nullptr;
    Tasks* tasks = nullptr;
    WindowServices* windows = nullptr;
    Shell* shell = nullptr;
};

Platform& platform();

// Installs a platform for the lifetime of the object and restores the previous one afterwards.
class PlatformScope {
public:
    explicit PlatformScope(const Platform& installed) : saved_(platform()) { platform() = installed; }
    ~PlatformScope() { platform() = saved_; }
    PlatformScope(const PlatformScope&) = delete;
    PlatformScope& operator=(const PlatformScope&) = delete;

private:
    Platform saved_;
};

} // namespace namer
