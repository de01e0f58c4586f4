#include "platform/win32/message_pump.h"

namespace namer {
namespace {
MessageFilter current_filter = nullptr;
}

void set_message_filter(MessageFilter filter) { current_filter = filter; }

void dispatch_message(MSG& message) {
    if (current_filter && current_filter(message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

void pump_pending_messages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE)) {
        if (message.message == WM_QUIT)
            return;
        if (!PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
            return;
        if (message.message == WM_QUIT) { // arrived between the two peeks: leave it for the message loop
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        dispatch_message(message);
    }
}

} // namespace namer
