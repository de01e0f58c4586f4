// Feeds arbitrary requests to the naming service's request handling: the first byte picks the method, the bytes
// up to the first line break are the target, the rest is the body. Every request must get a page and a status the
// service means to send.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "service/naming_service.h"

namespace {

namer::service::NamingService& service() {
    static namer::service::NamingService instance(namer::service::NameData::load_embedded(), 1);
    return instance;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    static constexpr std::string_view methods[] = {"GET", "POST", "HEAD", "PUT"};
    const std::string_view method = methods[data[0] % 4];
    std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::size_t line_end = rest.find('\n');
    const std::string_view target = rest.substr(0, line_end);
    const std::string_view body = line_end == std::string_view::npos ? std::string_view() : rest.substr(line_end + 1);

    const namer::service::ServiceReply reply = service().handle(method, target, body);
    const bool known_status = reply.status == 200 || reply.status == 400 || reply.status == 404 || reply.status == 405;
    if (!known_status || reply.body.empty() || (reply.status == 405) == reply.allow.empty())
        std::abort();
    return 0;
}
