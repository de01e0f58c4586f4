#include "platform/platform.h"

namespace namer {

Platform& platform() {
    static Platform current;
    return current;
}

} // namespace namer
