// SPDX-License-Identifier: MIT
#pragma once

#include "shell/form.h"

namespace poniruka {

class Navigation;

/// The start-up screen: the title and the version, for one second, then the
/// menu. A click on its frame opens the menu at once; a character key ends
/// the program instead.
class FrmSplashtime : public Form
{
public:
    FrmSplashtime(Runtime &runtime, Navigation &navigation);

private:
    void wire() override;
    void Form_Load() override;

    void tmrinfo_Timer();
    void Frame1_Click();
    void Form_KeyPress(int KeyAscii);

    Navigation &m_navigation;
};

} // namespace poniruka
