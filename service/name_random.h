#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace namer::service {

// The random numbers names are drawn with: xoshiro256** seeded through splitmix64. Small and fast, and the same
// numbers from the same seed on every platform.
class NameRandom {
public:
    explicit NameRandom(std::uint64_t seed) {
        for (std::uint64_t& word : state_) {
            seed += 0x9E3779B97F4A7C15ULL;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            word = z ^ (z >> 31);
        }
    }

    std::uint64_t next() {
        const std::uint64_t result = rotate(state_[1] * 5, 7) * 9;
        const std::uint64_t shifted = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= shifted;
        state_[3] = rotate(state_[3], 45);
        return result;
    }

    // A number below `bound` (bound > 0): the high half of a 32 by 32 bit product, unbiased enough for lists of
    // a few thousand characters.
    std::size_t below(std::size_t bound) {
        return static_cast<std::size_t>(((next() >> 32) * static_cast<std::uint64_t>(bound)) >> 32);
    }

    // True with the given probability.
    bool chance(double probability) { return static_cast<double>(next() >> 11) * 0x1.0p-53 < probability; }

private:
    static std::uint64_t rotate(std::uint64_t value, int bits) { return (value << bits) | (value >> (64 - bits)); }

    std::uint64_t state_[4];
};

// A set of name keys (never 0) with open addressing, for the few hundred names of one list.
class NameKeySet {
public:
    void reset(std::size_t expected) {
        std::size_t size = 64;
        while (size < expected * 2)
            size *= 2;
        slots_.assign(size, 0);
        count_ = 0;
    }

    // False when the key was there already.
    bool insert(std::uint64_t key) {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = static_cast<std::size_t>(key * 0x9E3779B97F4A7C15ULL >> 40) & mask;;
             at = (at + 1) & mask) {
            if (slots_[at] == key)
                return false;
            if (slots_[at] == 0) {
                slots_[at] = key;
                if (++count_ * 2 > slots_.size())
                    grow();
                return true;
            }
        }
    }

    // The slot of the key, or of the empty place where it would go; fill() puts it there.
    std::size_t slot(std::uint64_t key) const {
        const std::size_t mask = slots_.size() - 1;
        std::size_t at = static_cast<std::size_t>(key * 0x9E3779B97F4A7C15ULL >> 40) & mask;
        while (slots_[at] != key && slots_[at] != 0)
            at = (at + 1) & mask;
        return at;
    }
    bool holds(std::size_t slot) const { return slots_[slot] != 0; }
    void fill(std::size_t slot, std::uint64_t key) {
        slots_[slot] = key;
        if (++count_ * 2 > slots_.size())
            grow();
    }

    bool contains(std::uint64_t key) const {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = static_cast<std::size_t>(key * 0x9E3779B97F4A7C15ULL >> 40) & mask;;
             at = (at + 1) & mask) {
            if (slots_[at] == key)
                return true;
            if (slots_[at] == 0)
                return false;
        }
    }

private:
    void grow() {
        std::vector<std::uint64_t> old;
        old.swap(slots_);
        slots_.assign(old.size() * 2, 0);
        count_ = 0;
        for (std::uint64_t key : old)
            if (key)
                insert(key);
    }

    std::vector<std::uint64_t> slots_ = std::vector<std::uint64_t>(64);
    std::size_t count_ = 0;
};

} // namespace namer::service
