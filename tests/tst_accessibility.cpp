// SPDX-License-Identifier: MIT
// What a screen reader finds on each screen, read through Qt's accessibility
// interfaces as the desktop's accessibility bus reads them.
#include "fakes.h"

#include "info/frmabout.h"
#include "info/frmsplashtime.h"
#include "quiz/frmtime.h"
#include "quiz/frmtime2.h"
#include "screens/layout.h"
#include "shell/frmmein.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>

using namespace poniruka;
using namespace poniruka::test;

namespace {

QStringList spoken; // the names of the notifications that showed

void listen(QAccessibleEvent *event)
{
    QAccessibleInterface *source = event->accessibleInterface();
    if (event->type() == QAccessible::ObjectShow && source && source->role() == QAccessible::Notification)
        spoken << source->text(QAccessible::Name);
}

QAccessibleInterface *accessible(Form &form, const QString &control)
{
    return QAccessible::queryAccessibleInterface(form.control(control.toLatin1().constData()));
}

// Every object under root, root first.
QList<QAccessibleInterface *> tree(QAccessibleInterface *root)
{
    QList<QAccessibleInterface *> all {root};
    for (int i = 0; i < root->childCount(); ++i)
        all << tree(root->child(i));
    return all;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void screens_data();
    void screens();
};

void TestAccessibility::initTestCase()
{
    // Events reach the handler only while a screen reader listens, which
    // offscreen never does: the suite runs on the accessibility bus.
    QAccessible::installUpdateHandler(listen);
    QTRY_VERIFY(QAccessible::isActive());
}

void TestAccessibility::screens_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("labelledBy"); // answer box, then the label that names it
    QTest::addColumn<QString>("defaultButton");  // the one button reporting the default state
    QTest::addColumn<QString>("pressed");        // a control a screen reader presses
    QTest::addColumn<QString>("opens");          // the screen its press loads
    QTest::addColumn<bool>("verdicts");          // answers wrong, then right

    const auto row = [](const char *name, const char *screen, QAccessible::Role role, const char *title,
                         const QStringList &labelledBy, const char *defaultButton, const char *pressed,
                         const char *opens, bool verdicts) {
        QTest::newRow(name) << screen << int(role) << title << labelledBy << defaultButton << pressed << opens
                            << verdicts;
    };
    const QStringList boxes {"txtji3", "lbltime3", "txthun3", "lblmm3"};
    row("splash, named by the title it shows", "frmSplashtime", QAccessible::Window, "ぽにるか", {}, "", "Frame1",
        "frmmein", false);
    row("menu", "frmmein", QAccessible::Window, "メインメニュー", {}, "", "", "", false);
    row("addition", "frmtime", QAccessible::Window, "ぽにるか：たしたらなんじになる？", boxes, "", "lblhelp",
        "frmAbout", true);
    row("difference", "frmtime2", QAccessible::Window, "ぽにるか：○じかんまえはなんじ？", boxes, "", "lblhelp",
        "frmAbout", true);
    row("about box", "frmAbout", QAccessible::Dialog, "ぽにるかのﾊﾞｰｼﾞｮﾝ情報", {}, "cmdOK", "", "", false);
}

// A screen is a window or a dialog named by its title; every control that
// takes the focus has a name, nothing is a nameless filler; each answer box
// is labelled by its unit; only the Enter button is the default; a press
// does what a click does; each verdict is spoken wherever the focus is.
void TestAccessibility::screens()
{
    QFETCH(QString, screen);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QStringList, labelledBy);
    QFETCH(QString, defaultButton);
    QFETCH(QString, pressed);
    QFETCH(QString, opens);
    QFETCH(bool, verdicts);
    FakeWorld world;
    Program program(world.services());
    Forms &f = program.forms();
    Form *const all[] = {&f.frmSplashtime(), &f.frmmein(), &f.frmtime(), &f.frmtime2(), &f.frmAbout()};
    const auto form = [&](const QString &name) -> Form & {
        return **std::find_if(
            std::begin(all), std::end(all), [&](Form *s) { return name == QLatin1String(s->layout().window.name); });
    };
    Form &shown = form(screen);
    program.runtime().run([&] { program.runtime().Show(shown); });

    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(shown.window());
    QCOMPARE(int(window->role()), role);
    QCOMPARE(window->text(QAccessible::Name), name);
    QStringList defaults;
    for (QAccessibleInterface *object : tree(window)) {
        const QString what = object->object()->objectName();
        QVERIFY2(object->role() != QAccessible::Client, qPrintable(what));
        QVERIFY2(!object->state().focusable || !object->text(QAccessible::Name).isEmpty(), qPrintable(what));
        if (object->state().defaultButton)
            defaults << what;
    }
    QCOMPARE(defaults, defaultButton.isEmpty() ? QStringList() : QStringList(defaultButton));
    for (qsizetype i = 0; i < labelledBy.size(); i += 2) {
        const auto labels = accessible(shown, labelledBy[i])->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.front().first->object(), shown.control(labelledBy[i + 1].toLatin1().constData()));
    }

    if (verdicts) {
        spoken.clear();
        for (const char *typed : {"1", "0"}) { // before any problem the answer is 0:00
            shown.control<QLineEdit>("txtji3")->setText(QLatin1String(typed));
            shown.control<QLineEdit>("txthun3")->setText(QLatin1String(typed));
            QTest::mouseClick(shown.control("cmdok"), Qt::LeftButton);
        }
        QCOMPARE(spoken, QStringList({"ちがうよ", "せいかい"}));
    }

    if (!pressed.isEmpty()) {
        QAccessibleActionInterface *actions = accessible(shown, pressed)->actionInterface();
        QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
        actions->doAction(QAccessibleActionInterface::pressAction());
        QVERIFY(form(opens).isLoaded());
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
