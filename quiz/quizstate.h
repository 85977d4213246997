// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace poniruka {

/// What an exercise screen remembers: the drawn problem (ji1, hun1, ji2,
/// hun2) and the expected answer (ji3 hours, hun3 minutes). It outlives the
/// screen's window, so a screen opened again still knows its last problem.
struct QuizState
{
    std::int16_t ji1 = 0;
    std::int16_t hun1 = 0;
    std::int16_t ji2 = 0;
    std::int16_t hun2 = 0;
    std::int16_t ji3 = 0;
    std::int16_t hun3 = 0;

    friend bool operator==(const QuizState &, const QuizState &) = default;
};

} // namespace poniruka
