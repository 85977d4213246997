// SPDX-License-Identifier: MIT
#include "quiz/quizform.h"

#include "info/frmabout.h"
#include "shell/forms.h"
#include "shell/frmmein.h"

namespace poniruka {

QuizForm::QuizForm(Runtime &runtime, Forms &forms, const layout::Screen &layout) : Form(runtime, layout), m_forms(forms)
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

void QuizForm::cmdst_Click() { }

void QuizForm::cmdok_Click() { }

// The menu opens before this screen goes, so the program never stands without a screen.
void QuizForm::cmdmein_Click()
{
    rt.Show(m_forms.frmmein());
    rt.Unload(*this);
}

void QuizForm::cmdend_Click()
{
    rt.End();
}

// The about box opens beside the exercise, which stays usable.
void QuizForm::lblhelp_Click()
{
    rt.Show(m_forms.frmAbout());
}

} // namespace poniruka
