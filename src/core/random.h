// The deal generator: SplitMix64. The same hand number always gives the same deal.
#pragma once

#include <cstdint>

namespace kestrel {

class DealRandom {
public:
    void Seed(std::uint64_t seed) { state_ = seed; }
    // A uniform fraction in [0, 1).
    double Rnd() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }

private:
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    std::uint64_t state_ = 0;
};

DealRandom& Generator();

}  // namespace kestrel
