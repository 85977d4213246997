// SPDX-License-Identifier: MIT
#include "quiz/quizsteps.h"

#include "shell/numbers.h"

namespace poniruka {

std::int16_t drawValue(float r, int n)
{
    return CInt(Int(double(r) * n + 1));
}

ClockTime addWithCarry(ClockTime start, ClockTime span)
{
    ClockTime sum {add16(start.ji, span.ji), add16(start.hun, span.hun)};
    // The minutes add up to at most 116, so one carry is enough.
    if (sum.hun > 59) {
        sum.ji = add16(sum.ji, 1);
        sum.hun = sub16(sum.hun, 60);
    }
    return sum;
}

std::int16_t OrderedPair::difference() const
{
    return sub16(larger, smaller);
}

OrderedPair largerFirst(std::int16_t first, std::int16_t second)
{
    if (first > second)
        return {first, second};
    return {second, first};
}

Verdict judge(const QuizState &state, const QString &hours, const QString &minutes)
{
    if (hours.isEmpty() && minutes.isEmpty())
        return Verdict::Empty;
    const bool right = Val(hours) == double(state.ji3) && Val(minutes) == double(state.hun3);
    return right ? Verdict::Right : Verdict::Wrong;
}

} // namespace poniruka
