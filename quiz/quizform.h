// SPDX-License-Identifier: MIT
#pragma once

#include "quiz/quizstate.h"
#include "shell/runtime.h"

namespace poniruka {

class Forms;

/// An exercise screen: a problem of two hour-and-minute values, an answer in
/// two boxes and a verdict. The two exercises differ only in how a problem is
/// shown and how its answer is computed.
class QuizForm : public Form
{
public:
    QuizForm(Runtime &runtime, Forms &forms, const layout::Screen &layout);

    const QuizState &state() const { return m_state; }

protected:
    QuizState m_state;

private:
    void wire() override;

    void cmdst_Click();
    void cmdok_Click();
    void cmdmein_Click();
    void cmdend_Click();
    void lblhelp_Click();

    Forms &m_forms;
};

} // namespace poniruka
