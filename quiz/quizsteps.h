// SPDX-License-Identifier: MIT
#pragma once

// The arithmetic of the two exercises, with no screen in sight: how a value
// is drawn, how the first exercise adds, how the second orders and subtracts,
// and how a typed answer is judged. All sums and differences are 16-bit and
// raise an overflow error, which the drawn values never come near.

#include "quiz/quizstate.h"

#include <QString>

#include <cstdint>

namespace poniruka {

/// How many values a draw chooses among: hours are 1 to 5, minutes 1 to 58.
inline constexpr int hourValues = 5;
inline constexpr int minuteValues = 58;

/// The value that the random number r (0 <= r < 1) draws among 1 to n.
std::int16_t drawValue(float r, int n);

/// Hours and minutes; the hours do not wrap at 12 or 24.
struct ClockTime
{
    std::int16_t ji = 0;
    std::int16_t hun = 0;

    friend bool operator==(const ClockTime &, const ClockTime &) = default;
};

/// The first exercise: the start time plus the span, the minutes carried
/// into the hours once they reach 60.
ClockTime addWithCarry(ClockTime start, ClockTime span);

/// Two drawn values of one kind (both hours or both minutes), the larger
/// first. The second exercise shows the larger one as the clock time and the
/// smaller one as the span, so its subtraction never borrows.
struct OrderedPair
{
    std::int16_t larger = 0;
    std::int16_t smaller = 0;

    std::int16_t difference() const;
    friend bool operator==(const OrderedPair &, const OrderedPair &) = default;
};

OrderedPair largerFirst(std::int16_t first, std::int16_t second);

enum class Verdict { Empty, Right, Wrong };

/// Judges the texts of the hours and minutes boxes against the expected
/// answer ji3, hun3. Empty only when both texts are empty: blanks count as
/// an answer. Otherwise each text reads as its leading number (none reads 0),
/// compared as a double, so 07, 7.0 and "7ふん" are all 7 but 7.5 is not.
Verdict judge(const QuizState &state, const QString &hours, const QString &minutes);

} // namespace poniruka
