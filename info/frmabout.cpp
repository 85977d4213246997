// SPDX-License-Identifier: MIT
#include "info/frmabout.h"

#include "screens/layout.h"

namespace poniruka {

FrmAbout::FrmAbout(Runtime &runtime, Forms &) : Form(runtime, layout::frmAbout()) { }

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

void FrmAbout::cmdSysInfo_Click() { }

} // namespace poniruka
