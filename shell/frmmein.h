// SPDX-License-Identifier: MIT
#pragma once

#include "shell/form.h"

namespace poniruka {

class Forms;

/// The main menu: one button for each exercise, and one to end.
class FrmMein : public Form
{
public:
    FrmMein(Runtime &runtime, Forms &forms);

private:
    void wire() override;

    void cmdhiku_Click();
    void cmdtasu_Click();
    void cmdend_Click();

    Forms &m_forms;
};

} // namespace poniruka
