#pragma once
#include <cstdint>

// The port of the built-in service address, which the program under test serves on itself.
namespace namer::e2e {

// True when something on this machine accepts connections on the port.
bool is_served(std::uint16_t port);

} // namespace namer::e2e
