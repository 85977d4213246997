// SPDX-License-Identifier: MIT
// The screens as a child drives them: the splash, the menu, both exercises, the about box, the end of the program.
#include "fakes.h"

#include "info/frmsplashtime.h"
#include "quiz/frmtime.h"
#include "quiz/frmtime2.h"
#include "shell/frmmein.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace poniruka;
using namespace poniruka::test;

namespace {

using Texts = QStringList;
using Loaded = std::vector<Form *>;
const auto written = [](int ji, int hun) { return Texts {QString::number(ji), "じ", QString::number(hun), "ふん"}; };

/// One run of the program on faked services, started: the splash is up. The exercises open from the menu.
struct Session
{
    Session() { program.start(); }
    [[nodiscard]] bool open(const QString &screen)
    {
        if (splash.isLoaded())
            QTest::mouseClick(splash.control("Frame1"), Qt::LeftButton, {}, QPoint(4, 150));
        exercise = screen == "frmtime2" ? static_cast<QuizForm *>(&forms.frmtime2()) : &forms.frmtime();
        click(menu, screen == "frmtime2" ? "cmdtasu" : "cmdhiku");
        return exercise->isLoaded() && QTest::qWaitForWindowActive(exercise->window());
    }
    static void click(Form &form, const char *control) { QTest::mouseClick(form.control(control), Qt::LeftButton); }
    void press(const char *button) { click(*exercise, button); }
    /// Presses "ちょうせん" with the random source set to draw ji1, hun1, ji2, hun2.
    void pose(const QList<int> &drawn)
    {
        world.random->problem(drawn);
        press("cmdst");
    }
    /// Types into both boxes as a child does, replacing what they held, then presses the button.
    void answer(const QString &hours, const QString &minutes, const char *button = "cmdok")
    {
        for (const auto &[box, text] : {std::pair {"txtji3", hours}, std::pair {"txthun3", minutes}}) {
            exercise->control<QLineEdit>(box)->clear();
            QTest::keyClicks(exercise->control(box), text);
        }
        press(button);
    }
    QString text(const char *name) { return exercise->control(name)->property("text").toString(); }
    Texts problem() { return {text("lblji1"), text("lblhun1"), text("lblji2"), text("lblhun2")}; }
    Texts display() { return {text("lblji3"), text("lbltime4"), text("lblhun3"), text("lblmm4")}; }
    Texts boxes() { return {text("txtji3"), text("txthun3")}; }
    QColor colour() { return exercise->control("lblseikai")->palette().color(QPalette::WindowText); }
    QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    QList<int> state()
    {
        const QuizState &q = exercise->state();
        return {q.ji1, q.hun1, q.ji2, q.hun2, q.ji3, q.hun3};
    }
    const Loaded &loaded() { return program.runtime().loaded(); }
    // The exit status; -1 unless the program ended exactly once.
    int status() const { return ended.count() == 1 ? ended.at(0).at(0).toInt() : -1; }

    FakeWorld world;
    Program program {world.services()};
    QSignalSpy ended {&program.runtime(), &QtRuntime::ended};
    Forms &forms = program.forms();
    FrmSplashtime &splash = forms.frmSplashtime();
    FrmMein &menu = forms.frmmein();
    Form &about = forms.aboutBox();
    QuizForm *exercise = nullptr;
};

} // namespace

class TestScreens : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void splashLeaves_data()
    {
        QTest::addColumn<int>("key");         // pressed, or 0
        QTest::addColumn<QString>("control"); // else clicked (the window if empty), or the timer waited for
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QString>("next"); // the screen then up, if any
        QTest::newRow("a second left alone") << 0 << "tmrinfo" << QPoint() << "frmmein";
        QTest::newRow("click on the frame surface") << 0 << "Frame1" << QPoint(4, 150) << "frmmein";
        QTest::newRow("click on a label on the frame") << 0 << "lblProductName" << QPoint() << "frmSplashtime";
        QTest::newRow("click on the margin") << 0 << "" << QPoint(3, 3) << "frmSplashtime";
        QTest::newRow("letter key") << int(Qt::Key_A) << "" << QPoint() << "";
        QTest::newRow("Esc key") << int(Qt::Key_Escape) << "" << QPoint() << "";
        QTest::newRow("arrow key") << int(Qt::Key_Left) << "" << QPoint() << "frmSplashtime";
    }

    // The splash shows title and version; a second or a click on its frame opens the menu, a character key ends all.
    void splashLeaves()
    {
        QFETCH(int, key);
        QFETCH(QString, control);
        QFETCH(QPoint, at);
        QFETCH(QString, next);
        Session s;
        QCOMPARE(s.splash.control<QLabel>("lblVersion")->text() + s.splash.control<QLabel>("lblProductName")->text(),
            "Version 1.0.0ぽにるか");
        QPointer<QTimer> timer = s.splash.control<QTimer>("tmrinfo");
        QVERIFY(timer->interval() == 1000 && timer->timerType() == Qt::PreciseTimer); // a second is a second
        if (key)
            QTest::keyClick(s.splash.window(), Qt::Key(key));
        else if (control == "tmrinfo")
            QVERIFY(QSignalSpy(timer.data(), &QTimer::timeout).wait(5000));
        else
            QTest::mouseClick(
                control.isEmpty() ? s.splash.window() : s.splash.control(qPrintable(control)), Qt::LeftButton, {}, at);
        QCOMPARE(s.loaded().empty() ? QString() : s.loaded().front()->window()->objectName(), next);
        QCOMPARE(s.status(), next.isEmpty() ? 0 : -1);
        if (next != "frmSplashtime")
            QTRY_VERIFY(timer.isNull());
    }

    // An untrapped error shows its message under the title, closes every screen and ends with a non-zero status.
    void untrappedErrorIsReportedAndEnds()
    {
        Session s;
        s.program.runtime().run([] { throw RuntimeError::of(RuntimeError::Overflow); });
        QCOMPARE(s.world.messages->shown, QStringList("ぽにるか: オーバーフローしました。"));
        QVERIFY(s.loaded().empty());
        QVERIFY(s.status() > 0);
    }

    void answers_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QList<int>>("state"); // ji1, hun1, ji2, hun2 as drawn; ji3, hun3 as computed
        QTest::addColumn<Texts>("shown");      // lblji1, lblhun1, lblji2, lblhun2
        QTest::addColumn<Texts>("typed");      // hours, minutes; none for the answer itself
        QTest::addColumn<bool>("right");
        const auto row = [](const char *name, const char *screen, const QList<int> &state, const Texts &shown,
                             const Texts &typed = {}, bool right = true) {
            QTest::newRow(name) << QString(screen) << state << shown << typed << right;
        };
        row("frmtime: 1:01 + 1:58, 59 does not carry", "frmtime", {1, 1, 1, 58, 2, 59}, {"1", "1", "1", "58"});
        row("frmtime: 2:30 + 3:30, carry at exactly 60", "frmtime", {2, 30, 3, 30, 6, 0}, {"2", "30", "3", "30"});
        row("frmtime: 5:58 + 5:58, the largest", "frmtime", {5, 58, 5, 58, 11, 56}, {"5", "58", "5", "58"});
        row("frmtime2: 2,40,5,15 puts larger hours first", "frmtime2", {2, 40, 5, 15, 3, 25}, {"5", "40", "2", "15"});
        row("frmtime2: 4,10,1,50 orders the minutes apart", "frmtime2", {4, 10, 1, 50, 3, 40}, {"4", "50", "1", "10"});
        row("frmtime2: 1,1,5,58 both drawn the other way", "frmtime2", {1, 1, 5, 58, 4, 57}, {"5", "58", "1", "1"});
        // What the screen adds to reading a number: a box on its own, an empty one reading 0, the exact value.
        const QList<int> eight {2, 30, 5, 30, 8, 0}, twenty {3, 20, 3, 40, 0, 20};
        const Texts eightShown {"2", "30", "5", "30"}, twentyShown {"3", "40", "3", "20"};
        row("frmtime: minutes box empty when 0 are due", "frmtime", eight, eightShown, {"8", ""});
        row("frmtime: a fraction is wrong", "frmtime", eight, eightShown, {"8.5", "0"}, false);
        row("frmtime2: hours box empty when 0 are due", "frmtime2", twenty, twentyShown, {"", "20"});
        row("frmtime2: blanks only are judged", "frmtime2", twenty, twentyShown, {" ", " "}, false);
    }

    // A posed problem shows; right writes the answer out in red and keeps the boxes, wrong is blue and empties them.
    void answers()
    {
        QFETCH(QString, screen);
        QFETCH(QList<int>, state);
        QFETCH(Texts, shown);
        QFETCH(Texts, typed);
        QFETCH(bool, right);
        if (typed.isEmpty())
            typed = Texts {QString::number(state[4]), QString::number(state[5])};
        Session s;
        QVERIFY(s.open(screen));
        s.pose(state.first(4));
        QCOMPARE(s.problem(), shown);
        s.answer(typed[0], typed[1]);
        QCOMPARE(s.state(), state);
        QCOMPARE(s.problem(), shown);
        QCOMPARE(s.text("lblseikai"), right ? "せいかい" : "ちがうよ");
        QCOMPARE(s.colour(), right ? QColor(255, 0, 0) : QColor(0, 0, 128));
        QCOMPARE(s.display() + s.boxes(), right ? written(state[4], state[5]) + typed : Texts(6));
    }

    void visitUntilTheEnd_data()
    {
        QTest::addColumn<bool>("two");       // frmtime2, else frmtime
        QTest::addColumn<QString>("ending"); // what the child uses last
        QTest::newRow("frmtime, then おわる") << false << "cmdend";
        QTest::newRow("frmtime2, then the close box") << true << "close box";
        QTest::newRow("frmtime, then おわる on the menu") << false << "menu, cmdend";
        QTest::newRow("frmtime2, then the menu's close box") << true << "menu, close box";
    }

    // An exercise keeps its own problem through the menu and the about box; おわる or the last close box ends with 0.
    void visitUntilTheEnd()
    {
        QFETCH(bool, two);
        QFETCH(QString, ending);
        const QString screen = two ? "frmtime2" : "frmtime";
        Session s;
        QVERIFY(s.open(two ? "frmtime" : "frmtime2"));
        s.pose({5, 58, 4, 57});
        s.answer("1", "1");
        s.press("cmdmein");
        QVERIFY(s.open(screen));
        QCOMPARE(s.loaded(), Loaded {s.exercise});
        // Before its own first problem an exercise expects 0 じ 0 ふん, whatever the other one posed.
        s.answer("0", "0");
        QCOMPARE(s.problem() + s.display() << s.text("lblseikai") << s.text("lblwa"), // the bar, its blank kept
            (two ? Texts(4, "0") : Texts(4)) + written(0, 0) << "せいかい"
                                                             << "| |");
        // Empty boxes bring the message and the cursor to the minutes box, and nothing else.
        s.answer("", "");
        QCOMPARE(s.world.messages->shown, QStringList("ぽにるか: こたえがはいっていないよ"));
        QCOMPARE(s.focused(), "txthun3");
        QCOMPARE(s.display() << s.text("lblseikai"), written(0, 0) << "せいかい");
        // The one about box stays beside the exercise and the menu.
        s.press("lblhelp");
        QPointer<QWidget> aboutWindow = s.about.window();
        s.press("lblhelp");
        QCOMPARE(s.loaded(), (Loaded {s.exercise, &s.about}));
        QCOMPARE(s.about.window(), aboutWindow.data());
        // Back from the menu the window starts empty, yet judges the same problem, which frmtime2 writes out again.
        const Texts answer = two ? Texts {"2", "45"} : Texts {"6", "55"};
        s.pose({4, 50, 2, 5});
        s.press("cmdmein");
        QCOMPARE(s.loaded(), (Loaded {&s.about, &s.menu}));
        QVERIFY(s.open(screen));
        QCOMPARE(s.problem() + s.display() + s.boxes() << s.text("lblseikai"), Texts(11));
        s.answer(answer[0], answer[1]);
        QCOMPARE(s.problem() << s.text("lblseikai"), (two ? Texts {"4", "50", "2", "5"} : Texts(4)) << "せいかい");
        // A wrong answer leaves what the display showed; a new problem empties all but the verdict's colour.
        s.answer("9", "9");
        QCOMPARE(s.display() << s.text("lblseikai"), written(answer[0].toInt(), answer[1].toInt()) << "ちがうよ");
        s.answer("1", "2", "cmdst"); // typed, then ちょうせん: the fake draws 1:01 and 1:01
        QCOMPARE(s.world.random->reseeds, 3);
        QCOMPARE(s.state(), QList<int>({1, 1, 1, 1, 0, 0}));
        QCOMPARE(s.boxes() + s.display() << s.text("lblseikai"), Texts(7));
        QCOMPARE(s.colour(), QColor(0, 0, 128));
        QCOMPARE(s.focused(), "txthun3");
        if (ending.startsWith("menu"))
            s.press("cmdmein");
        Form &last = ending.startsWith("menu") ? static_cast<Form &>(s.menu) : *s.exercise;
        if (ending.endsWith("cmdend")) {
            Session::click(last, "cmdend");
        } else {
            last.window()->close();
            QCOMPARE(s.loaded(), Loaded {&s.about});
            QCOMPARE(s.ended.count(), 0);
            s.about.window()->close();
        }
        QVERIFY(s.loaded().empty());
        QCOMPARE(s.status(), 0);
    }
};

QTEST_MAIN(TestScreens)
#include "tst_screens.moc"
