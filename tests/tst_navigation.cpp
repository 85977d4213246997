// SPDX-License-Identifier: MIT
#include "fakes.h"

#include "info/frmabout.h"
#include "info/frmsplashtime.h"
#include "quiz/frmtime.h"
#include "quiz/frmtime2.h"
#include "shell/frmmein.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace poniruka;
using namespace poniruka::test;

Q_DECLARE_METATYPE(AppInfo)

namespace {

using Loaded = std::vector<Form *>;

void click(Form &form, const char *control, QPoint at = {})
{
    QTest::mouseClick(form.control<QWidget>(control), Qt::LeftButton, {}, at);
}

// The program on faked services, started: the splash is up.
struct Started
{
    explicit Started(AppInfo app = QtRuntime::defaultApp()) : program(world.services(), std::move(app))
    {
        program.start();
    }

    const Loaded &loaded() { return program.runtime().loaded(); }
    // The exit status; -1 unless the program ended exactly once.
    int status() const { return ended.count() == 1 ? ended.at(0).at(0).toInt() : -1; }
    // Clicks the frame where no control covers it.
    FrmMein &openMenu()
    {
        click(splash, "Frame1", QPoint(4, 150));
        return forms.frmmein();
    }

    FakeWorld world;
    Program program;
    QSignalSpy ended {&program.runtime(), &QtRuntime::ended};
    Forms &forms = program.forms();
    FrmSplashtime &splash = forms.frmSplashtime();
};

} // namespace

class TestNavigation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void splashShowsTitleAndVersion_data();
    void splashShowsTitleAndVersion();
    void keyOnSplash_data();
    void keyOnSplash();
    void whatOpensTheMenu_data();
    void whatOpensTheMenu();
    void menuExerciseAndAboutBox_data();
    void menuExerciseAndAboutBox();
    void untrappedErrorIsReportedAndEnds();
};

void TestNavigation::splashShowsTitleAndVersion_data()
{
    QTest::addColumn<AppInfo>("app");
    QTest::addColumn<QString>("version");
    QTest::newRow("this release") << QtRuntime::defaultApp() << "Version 1.0.0";
    QTest::newRow("no zero fill") << AppInfo {QStringLiteral("ぽにるか"), 2, 10, 305} << "Version 2.10.305";
}

// The splash writes the version line and the title as the application reports them.
void TestNavigation::splashShowsTitleAndVersion()
{
    QFETCH(AppInfo, app);
    QFETCH(QString, version);
    Started s(app);
    QCOMPARE(s.splash.control<QLabel>("lblVersion")->text(), version);
    QCOMPARE(s.splash.control<QLabel>("lblProductName")->text(), app.Title);
    QCOMPARE(s.splash.window()->windowTitle(), QString());
}

void TestNavigation::keyOnSplash_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("ends");
    QTest::newRow("letter") << int(Qt::Key_A) << true;
    QTest::newRow("digit") << int(Qt::Key_7) << true;
    QTest::newRow("enter") << int(Qt::Key_Return) << true;
    QTest::newRow("escape") << int(Qt::Key_Escape) << true;
    QTest::newRow("space") << int(Qt::Key_Space) << true;
    QTest::newRow("arrow") << int(Qt::Key_Left) << false;
    QTest::newRow("function key") << int(Qt::Key_F1) << false;
    QTest::newRow("shift alone") << int(Qt::Key_Shift) << false;
}

// A key that yields a character ends the program with status 0 and no menu; any other key changes nothing.
void TestNavigation::keyOnSplash()
{
    QFETCH(int, key);
    QFETCH(bool, ends);
    Started s;
    QTest::keyClick(s.splash.window(), Qt::Key(key));
    QCOMPARE(s.loaded(), ends ? Loaded {} : Loaded {&s.splash});
    QCOMPARE(s.status(), ends ? 0 : -1);
}

void TestNavigation::whatOpensTheMenu_data()
{
    QTest::addColumn<QString>("control"); // clicked, the window if empty; the timer waited for
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("opensMenu");
    QTest::newRow("a second left alone") << "tmrinfo" << QPoint() << true;
    QTest::newRow("click on the frame surface") << "Frame1" << QPoint(4, 150) << true;
    QTest::newRow("click on a label on the frame") << "lblProductName" << QPoint() << false;
    QTest::newRow("click on the logo") << "imgLogo" << QPoint() << false;
    QTest::newRow("click on the margin") << "" << QPoint(3, 3) << false;
}

// The timer or a click on the frame's own surface gives one menu, and the timer goes; other clicks change nothing.
void TestNavigation::whatOpensTheMenu()
{
    QFETCH(QString, control);
    QFETCH(QPoint, at);
    QFETCH(bool, opensMenu);
    Started s;
    QPointer<QTimer> timer = s.splash.control<QTimer>("tmrinfo");
    QCOMPARE(timer->interval(), 1000);
    QCOMPARE(timer->timerType(), Qt::PreciseTimer);
    if (control == "tmrinfo")
        QVERIFY(QSignalSpy(timer.data(), &QTimer::timeout).wait(5000));
    else
        QTest::mouseClick(
            control.isEmpty() ? s.splash.window() : s.splash.control(qPrintable(control)), Qt::LeftButton, {}, at);
    QCOMPARE(s.loaded(), opensMenu ? Loaded {&s.forms.frmmein()} : Loaded {&s.splash});
    QVERIFY(s.loaded().front()->window()->isVisible());
    QCOMPARE(s.ended.count(), 0);
    if (opensMenu)
        QTRY_VERIFY(timer.isNull());
}

void TestNavigation::menuExerciseAndAboutBox_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("exercise");
    QTest::addColumn<bool>("closeBox"); // the program ends by the menu's close box, else by "おわる"
    QTest::newRow("なんじになる？１, then おわる") << "cmdhiku"
                                                   << "frmtime" << false;
    QTest::newRow("なんじになる？２, then the close box") << "cmdtasu"
                                                          << "frmtime2" << true;
}

// Menu and exercise take turns, the exercise built afresh; the one about box stays until the program ends.
void TestNavigation::menuExerciseAndAboutBox()
{
    QFETCH(QString, button);
    QFETCH(QString, exercise);
    QFETCH(bool, closeBox);
    Started s;
    FrmMein &menu = s.openMenu();
    FrmAbout &about = s.forms.frmAbout();
    click(menu, qPrintable(button));
    Form &shown = *s.loaded().front();
    QCOMPARE(shown.window()->objectName(), exercise); // not the menu: that is gone
    shown.control<QLabel>("lblji1")->setText(QStringLiteral("5"));
    click(shown, "lblhelp");
    QPointer<QWidget> aboutWindow = about.window();
    click(shown, "cmdmein");
    QCOMPARE(s.loaded(), (Loaded {&about, &menu}));

    click(menu, qPrintable(button));
    QCOMPARE(s.loaded(), (Loaded {&about, &shown}));
    QCOMPARE(shown.control<QLabel>("lblji1")->text(), QString());
    click(shown, "lblhelp");
    QCOMPARE(s.loaded(), (Loaded {&about, &shown}));
    QCOMPARE(about.window(), aboutWindow.data());
    click(shown, "cmdmein");
    QCOMPARE(s.loaded(), (Loaded {&about, &menu}));
    if (closeBox) {
        menu.window()->close();
        QCOMPARE(s.loaded(), Loaded {&about});
        QCOMPARE(s.ended.count(), 0);
        click(about, "cmdOK");
    } else {
        click(menu, "cmdend");
    }
    QVERIFY(s.loaded().empty());
    QCOMPARE(s.status(), 0);
}

// An untrapped error shows its message under the title, closes every screen and ends with a non-zero status.
void TestNavigation::untrappedErrorIsReportedAndEnds()
{
    Started s;
    s.openMenu();
    s.program.runtime().run([] { throw RuntimeError::of(RuntimeError::Overflow); });
    QCOMPARE(s.world.messages->shown.size(), std::size_t(1));
    QCOMPARE(s.world.messages->shown[0].title, QStringLiteral("ぽにるか"));
    QCOMPARE(s.world.messages->shown[0].prompt, QStringLiteral("オーバーフローしました。"));
    QVERIFY(s.loaded().empty());
    QVERIFY(s.ended.count() == 1 && s.status() != 0);
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
