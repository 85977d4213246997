// SPDX-License-Identifier: MIT
#include "fakes.h"

#include "info/frmabout.h"
#include "info/frmsplashtime.h"
#include "quiz/frmtime.h"
#include "quiz/frmtime2.h"
#include "shell/frmmein.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace poniruka;
using namespace poniruka::test;

namespace {

void click(Form &form, const char *control)
{
    QTest::mouseClick(form.control<QWidget>(control), Qt::LeftButton);
}

int loadedCount(Program &program, const Form &form)
{
    const auto &loaded = program.runtime().loaded();
    return int(std::count(loaded.begin(), loaded.end(), &form));
}

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void splashShowsTitleAndVersion_data();
    void splashShowsTitleAndVersion();
    void timerOpensOneMenu();
    void characterKeyOnSplashEndsProgram_data();
    void characterKeyOnSplashEndsProgram();
    void keyWithoutCharacterKeepsSplash_data();
    void keyWithoutCharacterKeepsSplash();
    void frameClickOpensMenuAndTimerOpensNoSecond();
    void clickInsideFrameButNotOnItDoesNothing_data();
    void clickInsideFrameButNotOnItDoesNothing();
    void menuToExerciseAndBack_data();
    void menuToExerciseAndBack();
    void aboutBoxIsOneAndOutlivesTheExercise();
    void closingMenuEndsOnlyWhenAboutBoxClosesToo();
    void untrappedErrorIsReportedAndEnds();

private:
    void openMenu(Program &program);
};

void TestNavigation::openMenu(Program &program)
{
    program.start();
    QTest::mouseClick(program.forms().frmSplashtime().control<QWidget>("Frame1"), Qt::LeftButton, {}, QPoint(4, 150));
    QVERIFY(program.forms().frmmein().isLoaded());
}

void TestNavigation::splashShowsTitleAndVersion_data()
{
    QTest::addColumn<AppInfo>("app");
    QTest::addColumn<QString>("version");
    QTest::newRow("this release") << QtRuntime::defaultApp() << "Version 1.0.0";
    QTest::newRow("no zero fill") << AppInfo {QStringLiteral("ぽにるか"), 2, 10, 305} << "Version 2.10.305";
}

// The splash writes the version line and the title exactly as the application reports them.
void TestNavigation::splashShowsTitleAndVersion()
{
    QFETCH(AppInfo, app);
    QFETCH(QString, version);
    FakeWorld world;
    Program program(world.services(), app);
    program.start();
    FrmSplashtime &splash = program.forms().frmSplashtime();
    QCOMPARE(splash.control<QLabel>("lblVersion")->text(), version);
    QCOMPARE(splash.control<QLabel>("lblProductName")->text(), app.Title);
    QCOMPARE(splash.window()->windowTitle(), QString());
}

// Left alone, the splash gives way to exactly one menu, and its timer is gone.
void TestNavigation::timerOpensOneMenu()
{
    FakeWorld world;
    Program program(world.services());
    program.start();
    FrmSplashtime &splash = program.forms().frmSplashtime();
    QPointer<QTimer> timer = splash.control<QTimer>("tmrinfo");
    QCOMPARE(timer->interval(), 1000);
    QSignalSpy tick(timer.data(), &QTimer::timeout);
    QVERIFY(tick.wait(5000));

    QVERIFY(!splash.isLoaded());
    QCOMPARE(program.runtime().loaded().size(), std::size_t(1));
    QCOMPARE(loadedCount(program, program.forms().frmmein()), 1);
    QVERIFY(program.forms().frmmein().window()->isVisible());
    QTRY_VERIFY(timer.isNull());
    QVERIFY(!program.runtime().hasEnded());
}

void TestNavigation::characterKeyOnSplashEndsProgram_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("letter") << int(Qt::Key_A);
    QTest::newRow("digit") << int(Qt::Key_7);
    QTest::newRow("enter") << int(Qt::Key_Return);
    QTest::newRow("escape") << int(Qt::Key_Escape);
    QTest::newRow("space") << int(Qt::Key_Space);
}

// A character key closes the splash and ends the program; no menu ever opens.
void TestNavigation::characterKeyOnSplashEndsProgram()
{
    QFETCH(int, key);
    FakeWorld world;
    Program program(world.services());
    QSignalSpy ended(&program.runtime(), &QtRuntime::ended);
    program.start();
    QTest::keyClick(program.forms().frmSplashtime().window(), Qt::Key(key));

    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended.at(0).at(0).toInt(), 0);
    QVERIFY(program.runtime().loaded().empty());
    QVERIFY(!program.forms().frmmein().isLoaded());
}

void TestNavigation::keyWithoutCharacterKeepsSplash_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("arrow") << int(Qt::Key_Left);
    QTest::newRow("function key") << int(Qt::Key_F1);
    QTest::newRow("shift alone") << int(Qt::Key_Shift);
}

// Keys that yield no character leave the splash as it is.
void TestNavigation::keyWithoutCharacterKeepsSplash()
{
    QFETCH(int, key);
    FakeWorld world;
    Program program(world.services());
    QSignalSpy ended(&program.runtime(), &QtRuntime::ended);
    program.start();
    QTest::keyClick(program.forms().frmSplashtime().window(), Qt::Key(key));
    QCOMPARE(ended.count(), 0);
    QVERIFY(program.forms().frmSplashtime().isLoaded());
}

// A click on the frame opens the menu at once; the timer then opens no second one.
void TestNavigation::frameClickOpensMenuAndTimerOpensNoSecond()
{
    FakeWorld world;
    Program program(world.services());
    program.start();
    QPointer<QTimer> timer = program.forms().frmSplashtime().control<QTimer>("tmrinfo");
    openMenu(program);
    QVERIFY(!program.forms().frmSplashtime().isLoaded());
    QVERIFY(!timer || !timer->isActive());
    QTRY_VERIFY(timer.isNull());
    QCOMPARE(program.runtime().loaded().size(), std::size_t(1));
}

void TestNavigation::clickInsideFrameButNotOnItDoesNothing_data()
{
    QTest::addColumn<QString>("control");
    QTest::newRow("title label") << "lblProductName";
    QTest::newRow("version label") << "lblVersion";
    QTest::newRow("logo") << "imgLogo";
    QTest::newRow("credit line") << "Label1";
    QTest::newRow("warning") << "lblWarning";
    QTest::newRow("margin outside the frame") << "";
}

// Only the frame's own surface dismisses the splash.
void TestNavigation::clickInsideFrameButNotOnItDoesNothing()
{
    QFETCH(QString, control);
    FakeWorld world;
    Program program(world.services());
    program.start();
    FrmSplashtime &splash = program.forms().frmSplashtime();
    if (control.isEmpty())
        QTest::mouseClick(splash.window(), Qt::LeftButton, {}, QPoint(3, 3));
    else
        QTest::mouseClick(splash.control<QWidget>(control.toLatin1().constData()), Qt::LeftButton);
    QVERIFY(splash.isLoaded());
    QVERIFY(!program.forms().frmmein().isLoaded());
}

void TestNavigation::menuToExerciseAndBack_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("second");
    QTest::newRow("なんじになる？１") << "cmdhiku" << false;
    QTest::newRow("なんじになる？２") << "cmdtasu" << true;
}

// Each menu button opens its exercise and closes the menu; "メニュー" goes back,
// and the exercise comes back built afresh.
void TestNavigation::menuToExerciseAndBack()
{
    QFETCH(QString, button);
    QFETCH(bool, second);
    FakeWorld world;
    Program program(world.services());
    openMenu(program);
    FrmMein &menu = program.forms().frmmein();
    Form &exercise = second ? static_cast<Form &>(program.forms().frmtime2()) : program.forms().frmtime();

    for (int visit = 0; visit < 2; ++visit) {
        click(menu, button.toLatin1().constData());
        QVERIFY(exercise.isLoaded());
        QVERIFY(exercise.window()->isVisible());
        QVERIFY(!menu.isLoaded());
        QCOMPARE(program.runtime().loaded().size(), std::size_t(1));
        QCOMPARE(exercise.control<QLabel>("lblji1")->text(), QString());
        exercise.control<QLabel>("lblji1")->setText(QStringLiteral("5"));

        click(exercise, "cmdmein");
        QVERIFY(menu.isLoaded());
        QVERIFY(!exercise.isLoaded());
        QVERIFY(!program.runtime().hasEnded());
    }
}

// "バージョン" twice gives one about box, which stays through the return to
// the menu and goes with "おわる".
void TestNavigation::aboutBoxIsOneAndOutlivesTheExercise()
{
    FakeWorld world;
    Program program(world.services());
    QSignalSpy ended(&program.runtime(), &QtRuntime::ended);
    openMenu(program);
    click(program.forms().frmmein(), "cmdhiku");
    FrmTime &exercise = program.forms().frmtime();
    FrmAbout &about = program.forms().frmAbout();

    click(exercise, "lblhelp");
    QPointer<QWidget> aboutWindow = about.window();
    click(exercise, "lblhelp");
    QCOMPARE(loadedCount(program, about), 1);
    QCOMPARE(about.window(), aboutWindow.data());
    QVERIFY(exercise.isLoaded());

    click(exercise, "cmdmein");
    QVERIFY(about.isLoaded());
    QVERIFY(program.forms().frmmein().isLoaded());

    click(program.forms().frmmein(), "cmdend");
    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended.at(0).at(0).toInt(), 0);
    QVERIFY(!about.isLoaded());
    QVERIFY(program.runtime().loaded().empty());
}

// Closing the menu's window ends the program only once the about box is closed as well.
void TestNavigation::closingMenuEndsOnlyWhenAboutBoxClosesToo()
{
    FakeWorld world;
    Program program(world.services());
    QSignalSpy ended(&program.runtime(), &QtRuntime::ended);
    openMenu(program);
    click(program.forms().frmmein(), "cmdtasu");
    click(program.forms().frmtime2(), "lblhelp");
    click(program.forms().frmtime2(), "cmdmein");

    program.forms().frmmein().window()->close();
    QVERIFY(!program.forms().frmmein().isLoaded());
    QCOMPARE(ended.count(), 0);

    click(program.forms().frmAbout(), "cmdOK");
    QCOMPARE(ended.count(), 1);
    QCOMPARE(ended.at(0).at(0).toInt(), 0);
}

// An error no handler traps shows its message under the title and ends the program.
void TestNavigation::untrappedErrorIsReportedAndEnds()
{
    FakeWorld world;
    Program program(world.services());
    QSignalSpy ended(&program.runtime(), &QtRuntime::ended);
    openMenu(program);
    program.runtime().run([] { throw RuntimeError::of(RuntimeError::Overflow); });

    QCOMPARE(world.messages->shown.size(), std::size_t(1));
    QCOMPARE(world.messages->shown[0].title, QStringLiteral("ぽにるか"));
    QCOMPARE(world.messages->shown[0].prompt, QStringLiteral("オーバーフローしました。"));
    QCOMPARE(ended.count(), 1);
    QVERIFY(ended.at(0).at(0).toInt() != 0);
    QVERIFY(program.runtime().loaded().empty());
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
