#pragma once
#include <array>

#include "base/text.h"
#include "platform/shell.h"

namespace namer {

// The maker's two promotional pages, opened in this order when a query replaces the MainWindow. Fixed when
// the program is built (NAMER_PROMOTION_PAGE_1, NAMER_PROMOTION_PAGE_2); empty ones are skipped.
const std::array<Text, 2>& promotion_addresses();

// Opens each non-empty address in order: an empty one would open a folder window.
void open_addresses(Shell& shell, const std::array<Text, 2>& addresses);

} // namespace namer
