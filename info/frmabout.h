// SPDX-License-Identifier: MIT
#pragma once

#include "info/sysinfo.h"
#include "shell/form.h"
#include "shell/runtime.h"

namespace poniruka {

class Navigation;

/// The about box: the title and the version, and a button that starts the
/// system's own information program. Modeless, with no owner.
class FrmAbout : public Form
{
public:
    FrmAbout(Runtime &runtime, Navigation &navigation);

private:
    void wire() override;
    void Form_Load() override;

    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

    // The launcher reaches the file lookup, the program start and the
    // message box through the runtime.
    class RuntimeServices : public SysInfoLauncher::Files,
                            public SysInfoLauncher::Programs,
                            public SysInfoLauncher::Messages
    {
    public:
        explicit RuntimeServices(Runtime &runtime) : m_runtime(runtime) { }
        std::string Dir(const std::string &path) override { return m_runtime.Dir(path); }
        void Shell(const std::string &command, int windowStyle) override { m_runtime.Shell(command, windowStyle); }
        void MsgBox(const std::string &prompt) override { m_runtime.MsgBox(QString::fromUtf8(prompt)); }

    private:
        Runtime &m_runtime;
    };

    Navigation &m_navigation;
    RuntimeServices m_services;
};

} // namespace poniruka
