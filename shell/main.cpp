// SPDX-License-Identifier: MIT
#include "appinfo.h"
#include "screens/icons.h"
#include "shell/platform.h"
#include "shell/program.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Without a display Qt would abort with a long message; one clear line is kinder.
bool displayMissing()
{
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const auto unset = [](const char *name) {
        const char *value = std::getenv(name);
        return !value || !*value;
    };
    return unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM");
#else
    return false;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (displayMissing()) {
        std::fputs("poniruka: no display found (DISPLAY is not set); start it from a desktop session.\n", stderr);
        return 2;
    }

    // The platform goes on the command line rather than into the environment,
    // so that programs started from the program choose their own.
    std::vector<char *> arguments(argv, argv + argc);
    if (const char *platform = poniruka::platform::preferredQtPlatform(argc, argv)) {
        static char option[] = "-platform";
        arguments.insert(arguments.begin() + 1, {option, const_cast<char *>(platform)});
    }
    int count = int(arguments.size());
    arguments.push_back(nullptr);
    QApplication app(count, arguments.data());
    // Only the name and version: a display name would be appended to every window title.
    QApplication::setApplicationName(QString::fromUtf8(poniruka::appinfo::title));
    QApplication::setApplicationVersion(QString::fromLatin1(poniruka::appinfo::version));
    // A Wayland desktop matches the windows to the installed desktop entry by this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(poniruka::appinfo::id));
    // The runtime ends the program itself, once no screen is loaded and no handler runs.
    QApplication::setQuitOnLastWindowClosed(false);

    poniruka::Program program;
    QObject::connect(
        &program.runtime(), &poniruka::QtRuntime::ended, &app, [](int status) { QCoreApplication::exit(status); },
        Qt::QueuedConnection);
    program.start();
    // The clock face: the program's icon, and every window's that has none of
    // its own. Given once the splash is built: a window system is handed every
    // size of the application's icon as a window is made, and the splash shows
    // none.
    QApplication::setWindowIcon(poniruka::icon(poniruka::layout::Picture::Clock));
    return app.exec();
}
