// SPDX-License-Identifier: MIT
// The program in use, driven through the runtime. Prints figures; asserts
// nothing.
//
//   bench_runtime trips N   round trips as a child makes them: the menu opens
//                           an exercise (the two in turn), "ちょうせん", an
//                           answer, "こたえる", then "メニュー"; the resident
//                           memory after 100 trips and after N. Run it on X:
//                           a window leaves traces in the display connection
//                           and the window icon that offscreen never has.
//   bench_runtime clicks    the time of one "ちょうせん" (cmdst_Click) and one
//                           "こたえる" with the right answer (cmdok_Click)

#include "bench.h"

#include "quiz/frmtime.h"
#include "quiz/frmtime2.h"
#include "quiz/quizsteps.h"
#include "shell/frmmein.h"
#include "shell/program.h"

#include <QAbstractButton>
#include <QLineEdit>

#include <cstdlib>
#include <cstring>

using namespace poniruka;

namespace {

class SilentMessages : public MessageBoxService
{
public:
    void show(const QString &, const QString &) override { }
};

void press(Form &form, const char *button)
{
    form.control<QAbstractButton>(button)->click();
}

void type(QuizForm &exercise, int hours, int minutes)
{
    exercise.control<QLineEdit>("txtji3")->setText(QString::number(hours));
    exercise.control<QLineEdit>("txthun3")->setText(QString::number(minutes));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The offscreen platform warns that it cannot raise a window, on every show.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QtRuntime::Services services;
    services.messageBox = std::make_shared<SilentMessages>();
    Program program(services);
    Forms &forms = program.forms();
    program.runtime().run([&] { program.runtime().Show(forms.frmmein()); });
    bench::settle();

    if (argc > 2 && std::strcmp(argv[1], "trips") == 0) {
        long trip = 0;
        bench::measureTrips(std::atol(argv[2]), [&] {
            const bool first = ++trip % 2;
            press(forms.frmmein(), first ? "cmdhiku" : "cmdtasu");
            bench::settle();
            QuizForm &exercise = first ? static_cast<QuizForm &>(forms.frmtime()) : forms.frmtime2();
            press(exercise, "cmdst");
            type(exercise, 3, 25);
            press(exercise, "cmdok");
            bench::settle();
            press(exercise, "cmdmein");
            bench::settle();
        });
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "clicks") == 0) {
        press(forms.frmmein(), "cmdhiku");
        bench::settle();
        FrmTime &exercise = forms.frmtime();
        constexpr int presses = 2000;
        bench::measureCalls(
            "cmdst_click", presses, [] {}, [&] { press(exercise, "cmdst"); });
        // Each answer to a new problem, so that every label really changes.
        bench::measureCalls(
            "cmdok_click", presses,
            [&] {
                press(exercise, "cmdst");
                const QuizState &s = exercise.state();
                const ClockTime answer = addWithCarry({s.ji1, s.hun1}, {s.ji2, s.hun2});
                type(exercise, answer.ji, answer.hun);
            },
            [&] { press(exercise, "cmdok"); });
        return 0;
    }
    std::fputs("usage: bench_runtime trips N | clicks\n", stderr);
    return 2;
}
