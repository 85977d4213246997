// SPDX-License-Identifier: MIT
#include "shell/program.h"

#include "info/frmsplashtime.h"
#include "shell/fonts.h"
#include "shell/platform.h"

#include <QCoreApplication>
#include <QTranslator>

#include <utility>

namespace poniruka {

namespace {

// Qt's own texts (an answer box's context menu, a message box's button) in
// Japanese, like every text of the program, whatever the desktop's language.
// Without Qt's translation they stay English. Once for the application.
void installQtTranslation()
{
    static bool tried = false;
    if (std::exchange(tried, true))
        return;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_ja"), platform::qtTranslations())
        || !QCoreApplication::installTranslator(translator))
        delete translator;
}

} // namespace

Program::Program(QtRuntime::Services services, AppInfo app, std::shared_ptr<Registry> registry)
    : m_runtime(std::move(services), std::move(app)), m_forms(m_runtime, std::move(registry))
{
    platform::addBundledFonts();
    installFontSubstitutes();
    installQtTranslation();
}

void Program::start()
{
    m_runtime.run([this] { m_runtime.Show(m_forms.frmSplashtime()); });
}

} // namespace poniruka
