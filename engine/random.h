// SPDX-License-Identifier: GPL-3.0-or-later
// The robot's random numbers: a linear congruential generator whose whole
// state is one 32-bit seed, so that the same seed always replays the same
// choices.
#pragma once

#include <cstdint>

namespace engine {

class Random {
public:
    explicit Random(uint32_t seed = 0) : seed_(seed) {}

    // Advances the seed and returns a number from 0 to n - 1: bits 16 to 31
    // of the new seed, reduced modulo n.
    unsigned below(unsigned n)
    {
        seed_ = seed_ * 214013u + 2531011u;
        return (seed_ >> 16) % n;
    }

    uint32_t seed() const { return seed_; }

private:
    uint32_t seed_;
};

}  // namespace engine
