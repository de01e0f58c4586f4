#pragma once
#include <array>
#include <cstddef>
#include <vector>

#include "service/name_data.h"
#include "service/name_generator.h"

namespace namer::service {

// Two-character given names drawn ahead for each gender, the way general lists draw them: each name once, each
// passing every rule that does not involve a surname. A list of such names then walks a pool and applies only the
// rules its surname adds, which is what makes a list of 200 cheap. Built once from the data; immutable.
class GivenNamePools {
public:
    static constexpr std::size_t names_per_gender = 8192;

    explicit GivenNamePools(const NameData& data);

    const std::vector<std::array<const PoolCharacter*, 2>>& pool(Gender gender) const {
        return gender == Gender::male ? male_ : female_;
    }

private:
    std::vector<std::array<const PoolCharacter*, 2>> male_;
    std::vector<std::array<const PoolCharacter*, 2>> female_;
};

} // namespace namer::service
