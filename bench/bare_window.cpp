// SPDX-License-Identifier: MIT
// The baseline the program is measured against: a bare Qt window, frameless,
// 492 × 283 like the splash, with one label, and nothing of the program.
//
//   bare_window             shows the window and, one second later, a second
//                           one in its place, as the splash gives way to the
//                           menu; runs until it is stopped
//   bare_window trips N     shows a new window and deletes the last one, twice
//                           a trip, as a round trip through an exercise does;
//                           the resident memory after 100 trips and after N
//   bare_window clicks      the time of one click on a button that writes the
//                           label, the least a button's handler can cost

#include "bench.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>
#include <cstring>

namespace {

QWidget *bareWindow()
{
    auto *window = new QWidget(nullptr, Qt::FramelessWindowHint);
    window->resize(492, 283);
    auto *label = new QLabel(QStringLiteral("ぽにるか"), window);
    label->setGeometry(24, 24, 444, 48);
    return window;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    if (argc > 2 && std::strcmp(argv[1], "trips") == 0) {
        QWidget *shown = bareWindow();
        shown->show();
        bench::measureTrips(std::atol(argv[2]), [&] {
            for (int step = 0; step < 2; ++step) {
                QWidget *next = bareWindow();
                next->show();
                delete shown;
                shown = next;
                bench::settle();
            }
        });
        delete shown;
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "clicks") == 0) {
        QWidget *window = bareWindow();
        auto *label = window->findChild<QLabel *>();
        auto *button = new QPushButton(QStringLiteral("OK"), window);
        int clicks = 0;
        QObject::connect(button, &QPushButton::clicked, label, [&] { label->setText(QString::number(++clicks)); });
        window->show();
        bench::measureCalls(
            "click", 2000, [] {}, [&] { button->click(); });
        delete window;
        return 0;
    }

    QWidget *first = bareWindow();
    first->show();
    QTimer::singleShot(1000, Qt::PreciseTimer, first, [first] {
        bareWindow()->show();
        first->deleteLater();
    });
    return app.exec();
}
