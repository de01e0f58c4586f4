#pragma once
#include "base/text.h"

namespace namer {

// Opening an address with the verb "open" in the default browser; the result is not looked at.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void open_web_address(const Text& address) = 0;
};

} // namespace namer
