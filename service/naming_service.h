#pragma once
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "service/given_name_pools.h"
#include "service/name_data.h"
#include "service/name_generator.h"

namespace namer::service {

// The answer to one request: a status and a GBK HTML page.
struct ServiceReply {
    int status = 200;
    std::string body;
    std::string allow; // the methods the path takes, for a 405 reply
};

// Limits of a name list request.
constexpr int max_list_length = 200;
constexpr int max_meaning_name_length = 8;

// Answers the client's requests:
//   POST /showName.php      xing, gender (male|female), num (1: two-character names, 2: three), limit (1-200)
//   POST /showDiezi.php     xing                                      ten doubled names
//   POST /showWuxing.php    xing, gender, num, wuxing (1-5: 金木水火土)  twenty names
//   GET  /showXiaoming.php                                            twenty pet names
//   POST /showXiaoshuo.php  num (1, 2, 3: mixed), gender (mix|part), pinlv (1 common, 0 rare), limit
//   GET  /showMeaning.php?name=NAME   NAME percent-encoded or as raw GBK bytes
// Form values are percent-decoded GBK. A missing or empty field takes the client's default (male, 1, 100, 1,
// mix, 1). Safe to call from several threads at once.
class NamingService {
public:
    NamingService(std::shared_ptr<const NameData> data, std::uint64_t seed);

    // `method` as sent ("GET", "HEAD", "POST"; HEAD is answered like GET), `target` the raw request target,
    // `body` the request body.
    ServiceReply handle(std::string_view method, std::string_view target, std::string_view body);

    // The seed the names of the request with this sequence number are drawn with (the first request the service
    // answers has number 0). Every request, answered with names or not, takes the next number.
    static std::uint64_t request_seed(std::uint64_t base_seed, std::uint64_t sequence);

    // The generator the request with this sequence number draws its names with.
    NameGenerator generator_for_request(std::uint64_t sequence) const;

    const NameData& data() const { return *data_; }

private:
    std::shared_ptr<const NameData> data_;
    GivenNamePools pools_;
    std::uint64_t base_seed_;
    std::atomic<std::uint64_t> next_sequence_{0};
};

} // namespace namer::service
