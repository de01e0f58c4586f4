#pragma once
#include <string>

namespace namer {

// The maker's addresses, fixed when the program is built (CMake cache variables NAMER_CREDIT_ADDRESS,
// NAMER_PROMOTION_ADDRESS_1 and NAMER_PROMOTION_ADDRESS_2); empty when none was given, and an empty address
// opens nothing.
const std::string& credit_web_address();
const std::string& first_promotion_address();
const std::string& second_promotion_address();

} // namespace namer
