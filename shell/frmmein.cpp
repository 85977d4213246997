// SPDX-License-Identifier: MIT
#include "shell/frmmein.h"

#include "quiz/frmtime.h"
#include "quiz/frmtime2.h"
#include "screens/layout.h"
#include "shell/forms.h"
#include "shell/runtime.h"

namespace poniruka {

FrmMein::FrmMein(Runtime &runtime, Forms &forms) : Form(runtime, layout::frmmein()), m_forms(forms) { }

void FrmMein::wire()
{
    onClick("cmdhiku", [this] { cmdhiku_Click(); });
    onClick("cmdtasu", [this] { cmdtasu_Click(); });
    onClick("cmdend", [this] { cmdend_Click(); });
}

void FrmMein::cmdhiku_Click()
{
    rt.Show(m_forms.frmtime());
    rt.Unload(*this);
}

void FrmMein::cmdtasu_Click()
{
    rt.Show(m_forms.frmtime2());
    rt.Unload(*this);
}

void FrmMein::cmdend_Click()
{
    rt.End();
}

} // namespace poniruka
