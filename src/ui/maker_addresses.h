#pragma once
#include <string>

namespace namer {

// The maker's web address, shown and opened by the credit link; fixed when the program is built (CMake cache
// variable NAMER_CREDIT_ADDRESS), empty when none was given, and an empty address opens nothing.
const std::string& credit_web_address();

} // namespace namer
