#pragma once
#include <array>

#include "base/text.h"

namespace namer {

// The seven byte slots handed to the worker and back. Before the exchange: 0 url, 1 verb, 2 proxy (empty),
// 3 extra header text (empty), 4 body, 5 cookie text (empty), 6 redirect permission ("真"). After it:
// 0 the reply body, 5 the raw response header text; the others as they came.
struct RequestSlots {
    static constexpr std::size_t count = 7;
    std::array<Bytes, count> slot;
};

} // namespace namer
