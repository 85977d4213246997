// SPDX-License-Identifier: MIT
#pragma once

#include "shell/form.h"

namespace poniruka {

class Forms;

/// The start-up screen: the title and the version, for one second, then the
/// menu. A click on its frame opens the menu at once; a character key ends
/// the program instead.
class FrmSplashtime : public Form
{
public:
    FrmSplashtime(Runtime &runtime, Forms &forms);

private:
    void wire() override;
    void Form_Load() override;

    void tmrinfo_Timer();
    void Frame1_Click();
    void Form_KeyPress(int KeyAscii);

    Forms &m_forms;
};

} // namespace poniruka
