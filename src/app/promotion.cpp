#include "app/promotion.h"

namespace namer {

const std::array<Text, 2>& promotion_addresses() {
    static const std::array<Text, 2> addresses = {NAMER_PROMOTION_PAGE_1, NAMER_PROMOTION_PAGE_2};
    return addresses;
}

void open_addresses(Shell& shell, const std::array<Text, 2>& addresses) {
    for (const Text& address : addresses)
        if (!address.empty())
            shell.open_web_address(address);
}

} // namespace namer
