// SPDX-License-Identifier: MIT
#pragma once

#include "shell/runtime.h"

#include <cstdint>
#include <random>

namespace poniruka {

/// The program's random numbers: a 64-bit Mersenne twister reseeded from a
/// high-resolution clock, so that two reseeds within the same second still
/// give different draws.
class ClockRandom : public RandomSource
{
public:
    ClockRandom();
    void reseed() override;
    float next() override;

    /// The float for the top 24 bits of a draw: a multiple of 2^-24 below 1.
    /// Converting a wider number instead could round up to exactly 1.
    static float fromBits(std::uint64_t bits);

private:
    std::mt19937_64 m_engine;
    std::uint64_t m_reseeds = 0;
};

} // namespace poniruka
