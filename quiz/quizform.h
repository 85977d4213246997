// SPDX-License-Identifier: MIT
#pragma once

#include "quiz/quizstate.h"
#include "shell/form.h"

#include <cstdint>

namespace poniruka {

class Navigation;

/// An exercise screen: a problem of two hour-and-minute values, an answer in
/// two boxes and a verdict. Both exercises run the same two sequences,
/// cmdst_Click (a new problem) and cmdok_Click (the answer); they differ only
/// in how a problem is shown and how its answer is computed, which each
/// exercise supplies.
class QuizForm : public Form
{
public:
    QuizForm(Runtime &runtime, Navigation &navigation, const layout::Screen &layout);

    const QuizState &state() const { return m_state; }

protected:
    /// Writes the drawn problem into lblji1, lblhun1, lblji2 and lblhun2.
    virtual void showProblem() = 0;
    /// Sets ji3 and hun3 from the problem. It may write the problem labels,
    /// but not the answer boxes, the answer display or the verdict.
    virtual void computeAnswer() = 0;

    /// A label shows a number as its plain digits.
    void showNumber(const char *label, std::int16_t value);

    // Kept with the instance, so it outlives the window: a screen opened
    // again still judges against its last problem.
    QuizState m_state;

private:
    void wire() override;

    void cmdst_Click();
    void cmdok_Click();
    void cmdmein_Click();
    void cmdend_Click();
    void lblhelp_Click();

    Navigation &m_navigation;
};

} // namespace poniruka
