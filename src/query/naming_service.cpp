#include "query/naming_service.h"

namespace namer {

const Text service_base = NAMER_SERVICE_BASE;

} // namespace namer
