// SPDX-License-Identifier: MIT
#include "shell/program.h"

#include "info/frmsplashtime.h"
#include "shell/fonts.h"

namespace poniruka {

Program::Program(QtRuntime::Services services, AppInfo app, std::shared_ptr<Registry> registry)
    : m_runtime(std::move(services), std::move(app)), m_forms(m_runtime, std::move(registry))
{
    installFontSubstitutes();
}

void Program::start()
{
    m_runtime.run([this] { m_runtime.Show(m_forms.frmSplashtime()); });
}

} // namespace poniruka
