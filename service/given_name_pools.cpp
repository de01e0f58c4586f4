#include "service/given_name_pools.h"

#include "service/name_random.h"
#include "service/name_rules.h"

namespace namer::service {
namespace {

// The pools are the same for every service built from the same data.
constexpr std::uint64_t pool_seed = 0x6E616D6573ULL;

std::vector<std::array<const PoolCharacter*, 2>> draw_pool(const NameData& data, Gender gender) {
    NameGenerator generator(data, pool_seed + static_cast<std::uint64_t>(gender));
    std::vector<std::array<const PoolCharacter*, 2>> pool;
    pool.reserve(GivenNamePools::names_per_gender);
    NameKeySet seen;
    seen.reset(GivenNamePools::names_per_gender);
    const Surname none;
    for (std::size_t attempts = GivenNamePools::names_per_gender * 8;
         attempts > 0 && pool.size() < GivenNamePools::names_per_gender; --attempts) {
        const auto [first, second] = generator.draw_free_pair(gender);
        if (!first)
            continue;
        const std::array<const PoolCharacter*, 2> given{first, second};
        const std::uint64_t key = static_cast<std::uint64_t>(first->code) << 32 | second->code;
        if (seen.contains(key) || !acceptable_name(data, none, given.data(), given.size()))
            continue;
        seen.insert(key);
        pool.push_back(given);
    }
    return pool;
}

} // namespace

GivenNamePools::GivenNamePools(const NameData& data)
    : male_(draw_pool(data, Gender::male)), female_(draw_pool(data, Gender::female)) {}

} // namespace namer::service
