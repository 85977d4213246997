// SPDX-License-Identifier: MIT
#include "info/frmsplashtime.h"

#include "screens/layout.h"
#include "shell/navigation.h"
#include "shell/numbers.h"
#include "shell/runtime.h"

namespace poniruka {

FrmSplashtime::FrmSplashtime(Runtime &runtime, Navigation &navigation)
    : Form(runtime, layout::frmSplashtime()), m_navigation(navigation)
{
}

void FrmSplashtime::wire()
{
    onTimer("tmrinfo", [this] { tmrinfo_Timer(); });
    onClick("Frame1", [this] { Frame1_Click(); });
    onKeyPress([this](int key) { Form_KeyPress(key); });
}

void FrmSplashtime::Form_Load()
{
    const AppInfo &app = rt.App();
    Caption("lblVersion", "Version " + CStr(app.Major) + "." + CStr(app.Minor) + "." + CStr(app.Revision));
    Caption("lblProductName", app.Title);
}

// Unloading first removes the timer and the frame, so only the first of the
// three events takes effect.
void FrmSplashtime::tmrinfo_Timer()
{
    rt.Unload(*this);
    rt.Show(m_navigation.menu());
}

void FrmSplashtime::Frame1_Click()
{
    rt.Unload(*this);
    rt.Show(m_navigation.menu());
}

void FrmSplashtime::Form_KeyPress(int)
{
    // With no other screen loaded, the program ends here.
    rt.Unload(*this);
}

} // namespace poniruka
