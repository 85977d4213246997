// SPDX-License-Identifier: MIT
// How quickly the program comes up and how quickly each screen loads, and
// how much memory that takes. Prints its figures; asserts nothing.

#include "info/frmabout.h"
#include "info/frmsplashtime.h"
#include "quiz/frmtime.h"
#include "quiz/frmtime2.h"
#include "shell/frmmein.h"
#include "shell/program.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <sys/resource.h>

using namespace poniruka;

namespace {

// Message boxes would wait for a click; the figures don't need them.
class SilentMessages : public MessageBoxService
{
public:
    void show(const QString &, const QString &) override { }
};

double milliseconds(const QElapsedTimer &timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

long peakKilobytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer total;
    total.start();
    QApplication app(argc, argv);
    // The offscreen platform warns that it cannot raise a window, on every show.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    const double appReady = milliseconds(total);

    QtRuntime::Services services;
    services.messageBox = std::make_shared<SilentMessages>();
    Program program(services);
    QElapsedTimer timer;
    timer.start();
    program.start();
    QApplication::processEvents();
    std::printf("start-up: QApplication %.1f ms, splash shown %.1f ms later, %.1f ms in all\n", appReady,
        milliseconds(timer), milliseconds(total));

    Runtime &rt = program.runtime();
    Forms &forms = program.forms();
    struct Screen
    {
        const char *name;
        Form *form;
    };
    const Screen screens[] = {
        {"frmSplashtime", &forms.frmSplashtime()},
        {"frmmein", &forms.frmmein()},
        {"frmtime", &forms.frmtime()},
        {"frmtime2", &forms.frmtime2()},
        {"frmAbout", &forms.frmAbout()},
    };
    constexpr int loads = 100;
    for (const Screen &screen : screens) {
        timer.restart();
        for (int i = 0; i < loads; ++i) {
            rt.Unload(*screen.form);
            rt.Show(*screen.form);
            QApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        std::printf("load and show %-14s %6.2f ms each (%d loads)\n", screen.name, milliseconds(timer) / loads, loads);
    }
    std::printf("peak memory: %ld KiB\n", peakKilobytes());
    return 0;
}
