// SPDX-License-Identifier: MIT
#include "quiz/quizform.h"

#include "quiz/quizsteps.h"
#include "shell/navigation.h"
#include "shell/numbers.h"
#include "shell/runtime.h"

#include <QColor>

// How a click becomes a verdict. "ちょうせん" (cmdst_Click) forgets the last
// problem, draws four new values into QuizState and lets the exercise show
// them. "こたえる" (cmdok_Click) first lets the exercise compute the expected
// answer from QuizState, then judges the two boxes against it: both empty
// brings a message, otherwise the verdict is right or wrong. Neither sequence
// knows what the exercise adds or subtracts; FrmTime and FrmTime2 supply
// showProblem() and computeAnswer(), built on the plain arithmetic of
// quizsteps.h.

namespace poniruka {

QuizForm::QuizForm(Runtime &runtime, Navigation &navigation, const layout::Screen &layout)
    : Form(runtime, layout), m_navigation(navigation)
{
}

void QuizForm::wire()
{
    onClick("cmdst", [this] { cmdst_Click(); });
    onClick("cmdok", [this] { cmdok_Click(); });
    onClick("cmdmein", [this] { cmdmein_Click(); });
    onClick("cmdend", [this] { cmdend_Click(); });
    onClick("lblhelp", [this] { lblhelp_Click(); });
}

void QuizForm::showNumber(const char *label, std::int16_t value)
{
    Caption(label, CStr(value));
}

void QuizForm::cmdst_Click()
{
    // Times are worked from the minutes column, where a carry into the hours
    // starts, so the child starts typing in the minutes box.
    SetFocus("txthun3");
    m_state = QuizState {};
    Text("txtji3", QString());
    Text("txthun3", QString());

    // A fresh seed on every press, then the draws in this order.
    rt.Randomize();
    m_state.ji1 = drawValue(rt.Rnd(), hourValues);
    m_state.hun1 = drawValue(rt.Rnd(), minuteValues);
    m_state.ji2 = drawValue(rt.Rnd(), hourValues);
    m_state.hun2 = drawValue(rt.Rnd(), minuteValues);
    showProblem();

    // The verdict loses its text but keeps its colour.
    for (const char *label : {"lblji3", "lbltime4", "lblhun3", "lblmm4", "lblseikai"})
        Caption(label, QString());
}

void QuizForm::cmdok_Click()
{
    // Computed on every press, even with nothing typed: before any problem of
    // this run the answer is that of 0 and 0.
    computeAnswer();
    const QString hours = Text("txtji3");
    const QString minutes = Text("txthun3");

    switch (judge(m_state, hours, minutes)) {
    case Verdict::Empty:
        rt.MsgBox(QStringLiteral("こたえがはいっていないよ"));
        SetFocus("txthun3");
        break;
    case Verdict::Right:
        // The typed answer stays, and the correct one is written out below it.
        showNumber("lblji3", m_state.ji3);
        showNumber("lblhun3", m_state.hun3);
        Caption("lbltime4", QStringLiteral("じ"));
        Caption("lblmm4", QStringLiteral("ふん"));
        ForeColor("lblseikai", QBColor(12));
        Caption("lblseikai", QStringLiteral("せいかい"));
        break;
    case Verdict::Wrong:
        // The boxes are emptied for another try; the answer display keeps
        // whatever it showed.
        ForeColor("lblseikai", QBColor(1));
        Text("txtji3", QString());
        Text("txthun3", QString());
        Caption("lblseikai", QStringLiteral("ちがうよ"));
        break;
    }
}

void QuizForm::cmdmein_Click()
{
    rt.Show(m_navigation.menu());
    rt.Unload(*this);
}

void QuizForm::cmdend_Click()
{
    rt.End();
}

// The about box opens beside the exercise, which stays usable.
void QuizForm::lblhelp_Click()
{
    rt.Show(m_navigation.aboutBox());
}

} // namespace poniruka
