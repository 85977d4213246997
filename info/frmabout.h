// SPDX-License-Identifier: MIT
#pragma once

#include "shell/runtime.h"

namespace poniruka {

class Forms;

/// The about box: the title and the version, and a button that starts the
/// system's own information program. Modeless, with no owner.
class FrmAbout : public Form
{
public:
    FrmAbout(Runtime &runtime, Forms &forms);

private:
    void wire() override;
    void Form_Load() override;

    void cmdOK_Click();
    void cmdSysInfo_Click();
};

} // namespace poniruka
