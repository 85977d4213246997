// SPDX-License-Identifier: MIT
// What a screen reader finds on each screen, through Qt's accessibility interfaces and bus.
#include "fakes.h"

#include "info/frmabout.h"
#include "info/frmsplashtime.h"
#include "quiz/frmtime.h"
#include "quiz/frmtime2.h"
#include "shell/frmmein.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

using namespace poniruka;

namespace {

QStringList spoken; // the names of the notifications that showed

void listen(QAccessibleEvent *event)
{
    QAccessibleInterface *source = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && source && source->role() == QAccessible::Notification)
        spoken << source->text(QAccessible::Name);
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Events reach the handler only while a screen reader listens, never offscreen: the suite runs on the bus.
    void initTestCase()
    {
        QAccessible::installUpdateHandler(listen);
        QTRY_VERIFY(QAccessible::isActive());
    }

    void screens_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("screen");      // splash, menu, exercises 1 and 2, about box
        QTest::addColumn<QString>("pressed"); // a control a screen reader presses: it opens the menu or the about box
        QTest::newRow("splash, named by the title it shows") << "ぽにるか" << 0 << "Frame1";
        QTest::newRow("menu") << "メインメニュー" << 1 << "";
        QTest::newRow("addition") << "ぽにるか：たしたらなんじになる？" << 2 << "lblhelp";
        QTest::newRow("difference") << "ぽにるか：○じかんまえはなんじ？" << 3 << "lblhelp";
        QTest::newRow("about box") << "ぽにるかのﾊﾞｰｼﾞｮﾝ情報" << 4 << "";
    }

    // A screen is a window (the about box a dialog) named by its title; a press does what a click does; an exercise
    // speaks each verdict wherever the focus is. What each control tells a screen reader is checked in tst_look.
    void screens()
    {
        QFETCH(int, screen);
        QFETCH(QString, name);
        QFETCH(QString, pressed);
        test::FakeWorld world;
        Program program(world.services());
        Forms &f = program.forms();
        Form &shown = *std::array<Form *, 5> {
            &f.frmSplashtime(), &f.frmmein(), &f.frmtime(), &f.frmtime2(), &f.frmAbout()}[screen];
        program.runtime().run([&] { program.runtime().Show(shown); });

        QAccessibleInterface *window = QAccessible::queryAccessibleInterface(shown.window());
        QCOMPARE(window->role(), screen == 4 ? QAccessible::Dialog : QAccessible::Window); // the about box is a dialog
        QCOMPARE(window->text(QAccessible::Name), name);
        if (shown.window()->findChild<QLineEdit *>()) {
            spoken.clear();
            for (const char *typed : {"1", "0"}) { // before any problem the answer is 0:00
                shown.control<QLineEdit>("txtji3")->setText(QLatin1String(typed));
                shown.control<QLineEdit>("txthun3")->setText(QLatin1String(typed));
                QTest::mouseClick(shown.control("cmdok"), Qt::LeftButton);
            }
            QCOMPARE(spoken, QStringList({"ちがうよ", "せいかい"}));
        }
        if (!pressed.isEmpty()) {
            auto *actions
                = QAccessible::queryAccessibleInterface(shown.control(qPrintable(pressed)))->actionInterface();
            actions->doAction(QAccessibleActionInterface::pressAction());
            QVERIFY((screen == 0 ? f.menu() : f.aboutBox()).isLoaded());
        }
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
