// SPDX-License-Identifier: MIT
#include "shell/random.h"

#include <chrono>

namespace poniruka {

ClockRandom::ClockRandom()
{
    reseed();
}

void ClockRandom::reseed()
{
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seq {std::uint64_t(now), std::uint64_t(now) >> 32, ++m_reseeds};
    m_engine.seed(seq);
}

float ClockRandom::fromBits(std::uint64_t bits)
{
    return float(bits >> 40) * 0x1p-24f;
}

float ClockRandom::next()
{
    return fromBits(m_engine());
}

} // namespace poniruka
