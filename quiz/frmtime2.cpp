// SPDX-License-Identifier: MIT
#include "quiz/frmtime2.h"

#include "quiz/quizsteps.h"
#include "screens/layout.h"

namespace poniruka {

FrmTime2::FrmTime2(Runtime &runtime, Navigation &navigation) : QuizForm(runtime, navigation, layout::frmtime2()) { }

void FrmTime2::showPair(const char *larger, const char *smaller, const OrderedPair &pair)
{
    showNumber(larger, pair.larger);
    showNumber(smaller, pair.smaller);
}

// The larger hour value and the larger minute value make the clock time,
// even when they were drawn into different pairs; the smaller ones the span.
void FrmTime2::showProblem()
{
    showPair("lblji1", "lblji2", largerFirst(m_state.ji1, m_state.ji2));
    showPair("lblhun1", "lblhun2", largerFirst(m_state.hun1, m_state.hun2));
}

// The problem is written out again on every press, so a screen opened again
// from the menu shows the problem it judges against (all 0 before the first
// problem of the run).
void FrmTime2::computeAnswer()
{
    const OrderedPair hours = largerFirst(m_state.ji1, m_state.ji2);
    showPair("lblji1", "lblji2", hours);
    m_state.ji3 = hours.difference();

    const OrderedPair minutes = largerFirst(m_state.hun1, m_state.hun2);
    showPair("lblhun1", "lblhun2", minutes);
    m_state.hun3 = minutes.difference();
}

} // namespace poniruka
