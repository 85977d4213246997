// SPDX-License-Identifier: MIT
#include "info/frmabout.h"

#include "screens/layout.h"
#include "shell/navigation.h"
#include "shell/numbers.h"

namespace poniruka {

FrmAbout::FrmAbout(Runtime &runtime, Navigation &navigation)
    : Form(runtime, layout::frmAbout()), m_navigation(navigation), m_services(runtime)
{
}

void FrmAbout::wire()
{
    onClick("cmdOK", [this] { cmdOK_Click(); });
    onClick("cmdSysInfo", [this] { cmdSysInfo_Click(); });
}

void FrmAbout::Form_Load()
{
    const AppInfo &app = rt.App();
    WindowCaption(app.Title + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"));
    Caption("lblVersion", "ﾊﾞｰｼﾞｮﾝ " + CStr(app.Major) + "." + CStr(app.Minor) + "." + CStr(app.Revision));
    Caption("lblTitle", app.Title);
}

void FrmAbout::cmdOK_Click()
{
    rt.Unload(*this);
}

// The box stays open whatever happens: the program starts, or a message says it can't.
void FrmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void FrmAbout::StartSysInfo()
{
    SysInfoLauncher(m_navigation.registry(), m_services, m_services, m_services).StartSysInfo();
}

} // namespace poniruka
