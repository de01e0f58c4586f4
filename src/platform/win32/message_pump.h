#pragma once
#include <windows.h>

namespace namer {

// A message filter run before a message is translated and dispatched (dialog keys such as Tab and Esc);
// true means the filter handled the message. The window toolkit installs one; the default handles nothing.
using MessageFilter = bool (*)(MSG& message);
void set_message_filter(MessageFilter filter);

// Translates and dispatches one message the way the message loop does.
void dispatch_message(MSG& message);

// Dispatches the pending messages of this thread until none is left or the next one is WM_QUIT (left queued).
void pump_pending_messages();

} // namespace namer
