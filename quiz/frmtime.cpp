// SPDX-License-Identifier: MIT
#include "quiz/frmtime.h"

#include "quiz/quizsteps.h"
#include "screens/layout.h"

namespace poniruka {

FrmTime::FrmTime(Runtime &runtime, Navigation &navigation) : QuizForm(runtime, navigation, layout::frmtime()) { }

// The start time above the span, each as drawn.
void FrmTime::showProblem()
{
    showNumber("lblji1", m_state.ji1);
    showNumber("lblhun1", m_state.hun1);
    showNumber("lblji2", m_state.ji2);
    showNumber("lblhun2", m_state.hun2);
}

void FrmTime::computeAnswer()
{
    const ClockTime sum = addWithCarry({m_state.ji1, m_state.hun1}, {m_state.ji2, m_state.hun2});
    m_state.ji3 = sum.ji;
    m_state.hun3 = sum.hun;
}

} // namespace poniruka
