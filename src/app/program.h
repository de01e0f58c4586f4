#pragma once
#include <functional>

#include "ui/handler_table.h"

namespace namer {

// The created handler of the MainWindow: restyles the standard controls (scheme 3).
void skin_main_window();

// Every handler of the program under the name the window definitions bind it with. `before_request`, when
// given, runs before each query and row lookup (the built-in service makes sure someone answers).
HandlerTable program_handlers(std::function<void()> before_request = {});

// Starts the program on the platform installed with platform(): makes the state objects, registers the release
// of the program state (then `at_exit`) as the exit routine, opens the MainWindow and runs the message loop.
// Returns the exit code when the last window is gone.
int start_program(std::function<void()> at_exit = {});

} // namespace namer
