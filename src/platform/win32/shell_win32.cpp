#include <windows.h>

#include <shellapi.h>

#include "platform/win32/backends.h"
#include "platform/win32/wide.h"

namespace namer {
namespace {

class Win32Shell : public Shell {
public:
    void open_web_address(const Text& address) override {
        if (address.empty()) // an empty address would open a folder window
            return;
        ShellExecuteW(nullptr, L"open", wide_from_gbk(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
};

} // namespace

std::unique_ptr<Shell> make_win32_shell() { return std::make_unique<Win32Shell>(); }

} // namespace namer
