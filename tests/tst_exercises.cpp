// SPDX-License-Identifier: MIT
#include "fakes.h"

#include "quiz/frmtime.h"
#include "quiz/frmtime2.h"
#include "quiz/quizsteps.h"
#include "shell/frmmein.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

#include <set>

using namespace poniruka;
using namespace poniruka::test;

namespace {

using Texts = QStringList;
const QString frmtime = QStringLiteral("frmtime");
const QString frmtime2 = QStringLiteral("frmtime2");
const Texts fourEmpty {"", "", "", ""};
const Texts noBoxes {"", ""};
const QColor red(255, 0, 0);
const QColor blue(0, 0, 128);

Texts answerShown(int ji3, int hun3)
{
    return {QString::number(ji3), "じ", QString::number(hun3), "ふん"};
}

/// One run of the program with one exercise, opened from the menu as a child opens it.
class Session : public QObject
{
public:
    /// realDraws leaves the drawing to the program's own clock-seeded generator.
    explicit Session(const QString &screen, bool realDraws = false)
        : screen(screen),
          program(realDraws ? QtRuntime::Services {world.messages, nullptr, world.files, world.programs}
                            : world.services()),
          exercise(screen == frmtime2 ? static_cast<QuizForm &>(program.forms().frmtime2()) : program.forms().frmtime())
    {
    }

    [[nodiscard]] bool open()
    {
        FrmMein &menu = program.forms().frmmein();
        if (!menu.isLoaded())
            program.runtime().run([&] { program.runtime().Show(menu); });
        click(menu, screen == frmtime2 ? "cmdtasu" : "cmdhiku");
        return exercise.isLoaded() && QTest::qWaitForWindowActive(exercise.window());
    }

    void press(const char *button) { click(exercise, button); }

    /// Presses "ちょうせん" with the random source set to draw ji1, hun1, ji2, hun2.
    void pose(const QList<int> &drawn)
    {
        world.random->script.clear();
        for (int i = 0; i < 4; ++i)
            world.random->script.push_back(ScriptedRandom::drawing(drawn[i], i % 2 ? minuteValues : hourValues));
        press("cmdst");
    }

    /// Types into a box as a child does, replacing what it held: Latin
    /// characters key by key, kana as the input method commits them.
    [[nodiscard]] bool type(const char *box, const QString &text)
    {
        auto *edit = exercise.control<QLineEdit>(box);
        edit->clear();
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                QTest::keyClicks(edit, QString(c));
            } else {
                QInputMethodEvent commit;
                commit.setCommitString(QString(c));
                QApplication::sendEvent(edit, &commit);
            }
        }
        return edit->text() == text;
    }

    [[nodiscard]] bool answer(const QString &hours, const QString &minutes)
    {
        const bool typed = type("txtji3", hours) && type("txthun3", minutes);
        press("cmdok");
        return typed;
    }

    Texts texts(std::initializer_list<const char *> names)
    {
        Texts texts;
        for (const char *name : names)
            texts << exercise.control(name)->property("text").toString();
        return texts;
    }
    Texts problem() { return texts({"lblji1", "lblhun1", "lblji2", "lblhun2"}); }
    Texts display() { return texts({"lblji3", "lbltime4", "lblhun3", "lblmm4"}); }
    Texts boxes() { return texts({"txtji3", "txthun3"}); }
    QString verdict() { return texts({"lblseikai"}).front(); }
    QColor colour() { return exercise.control("lblseikai")->palette().color(QPalette::WindowText); }
    QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }
    QList<int> state()
    {
        const QuizState &q = exercise.state();
        return {q.ji1, q.hun1, q.ji2, q.hun2, q.ji3, q.hun3};
    }

    /// From now on notes in journal, in order, each step the child could tell
    /// apart, with what the screen showed at that moment.
    void keepJournal()
    {
        for (const char *name : {"txtji3", "txthun3"}) {
            connect(exercise.control<QLineEdit>(name), &QLineEdit::textChanged, this, [this, name](const QString &t) {
                if (t.isEmpty())
                    journal << QStringLiteral("empty %1, verdict '%2'").arg(name, verdict());
            });
        }
        exercise.control("txthun3")->installEventFilter(this);
        exercise.control("lblseikai")->installEventFilter(this);
        world.messages->onShow = [this] {
            journal << QStringLiteral("message, problem %1, focus %2").arg(problem().join(' '), focused());
        };
        world.random->onCall = [this](const char *call) { journal << call; };
    }

    const QString screen;
    FakeWorld world;
    Program program;
    QuizForm &exercise;
    Texts journal;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            journal << QStringLiteral("focus %1, ji1 %2").arg(watched->objectName()).arg(state()[0]);
        else if (event->type() == QEvent::PaletteChange)
            journal << QStringLiteral("colour %1, verdict '%2', boxes %3, display %4")
                           .arg(colour().name(), verdict(), boxes().join(' '), display().join(' '));
        return false;
    }

private:
    static void click(Form &form, const char *control) { QTest::mouseClick(form.control(control), Qt::LeftButton); }
};

} // namespace

class TestExercises : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void answers_data();
    void answers();
    void beforeAnyProblemTheAnswerIsZero();
    void realDrawsStayInRange_data();
    void realDrawsStayInRange();
    void stepsRunInOrder();
};

void TestExercises::answers_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QList<int>>("drawn"); // ji1, hun1, ji2, hun2
    QTest::addColumn<Texts>("shown");      // lblji1, lblhun1, lblji2, lblhun2
    QTest::addColumn<QList<int>>("answer");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<bool>("right");

    struct Problem
    {
        QString screen;
        QList<int> drawn;
        Texts shown;
        QList<int> answer;
    };
    const auto worked = [](const char *name, const Problem &p) {
        QTest::newRow(name) << p.screen << p.drawn << p.shown << p.answer << QString::number(p.answer[0])
                            << QString::number(p.answer[1]) << true;
    };
    worked("frmtime: 1:01 + 1:58, 59 does not carry", {frmtime, {1, 1, 1, 58}, {"1", "1", "1", "58"}, {2, 59}});
    worked("frmtime: 2:30 + 3:30, carry at exactly 60", {frmtime, {2, 30, 3, 30}, {"2", "30", "3", "30"}, {6, 0}});
    worked("frmtime: 5:58 + 5:58, the largest", {frmtime, {5, 58, 5, 58}, {"5", "58", "5", "58"}, {11, 56}});
    worked("frmtime2: 2,40,5,15 puts larger hours first", {frmtime2, {2, 40, 5, 15}, {"5", "40", "2", "15"}, {3, 25}});
    worked("frmtime2: 4,10,1,50 orders the minutes apart", {frmtime2, {4, 10, 1, 50}, {"4", "50", "1", "10"}, {3, 40}});
    worked("frmtime2: 1,1,5,58 both drawn the other way", {frmtime2, {1, 1, 5, 58}, {"5", "58", "1", "1"}, {4, 57}});

    const Problem eight {frmtime, {2, 30, 5, 30}, {"2", "30", "5", "30"}, {8, 0}};
    const Problem twenty {frmtime2, {3, 20, 3, 40}, {"3", "40", "3", "20"}, {0, 20}};
    const auto reading = [](const char *name, const Problem &p, const char *hours, const char *minutes, bool right) {
        QTest::newRow(name) << p.screen << p.drawn << p.shown << p.answer << hours << minutes << right;
    };
    reading("frmtime: leading zeros", eight, "08", "00", true);
    reading("frmtime: point and zero", eight, "8.0", "0.0", true);
    reading("frmtime: unit words typed after", eight, "8じ", "0ふん", true);
    reading("frmtime: blanks around", eight, " 8 ", "  0", true);
    reading("frmtime: a fraction is wrong", eight, "8.5", "0", false);
    reading("frmtime: too large for a double is wrong", eight, "1e400", "0", false);
    reading("frmtime: minutes box empty when 0 are due", eight, "8", "", true);
    reading("frmtime: hours box empty when 8 are due", eight, "", "0", false);
    reading("frmtime2: hours box empty when 0 are due", twenty, "", "20", true);
    reading("frmtime2: a letter reads as 0", twenty, "x", "20", true);
    reading("frmtime2: blanks only are judged", twenty, " ", " ", false);
}

// One problem's course: a new problem empties all but the verdict's colour; nothing typed brings only the message
// and the focus to the minutes box, yet the answer is computed; an answer is judged by its leading numbers; the other
// verdict then replaces it, the display keeping a right answer; back from the menu the window starts empty, yet
// judges against the same problem.
void TestExercises::answers()
{
    QFETCH(QString, screen);
    QFETCH(QList<int>, drawn);
    QFETCH(Texts, shown);
    QFETCH(QList<int>, answer);
    QFETCH(QString, hours);
    QFETCH(QString, minutes);
    QFETCH(bool, right);
    Session s(screen);
    QVERIFY(s.open());
    // An earlier problem, then 1:01, wrong for 2:02 + 1:01 and right for 2:02 - 1:01: each screen has a colour of
    // its own to keep.
    s.pose({2, 2, 1, 1});
    s.press("cmdok");
    QCOMPARE(s.state(), (screen == frmtime ? QList {2, 2, 1, 1, 3, 3} : QList {2, 2, 1, 1, 1, 1}));
    QVERIFY(s.answer("1", "1"));
    QVERIFY(s.type("txtji3", "3") && s.type("txthun3", "4"));
    const QColor kept = screen == frmtime ? blue : red;
    QCOMPARE(s.colour(), kept);

    s.pose(drawn);
    QCOMPARE(s.world.random->reseeds, 2);
    QCOMPARE(s.state(), drawn + QList<int>({0, 0}));
    QCOMPARE(s.problem(), shown);
    QCOMPARE(s.boxes(), noBoxes);
    QCOMPARE(s.display(), fourEmpty);
    QCOMPARE(s.verdict(), QString());
    QCOMPARE(s.colour(), kept);
    QCOMPARE(s.focused(), QStringLiteral("txthun3"));

    QVERIFY(s.answer(hours, minutes));
    const QString verdict = right ? QStringLiteral("せいかい") : QStringLiteral("ちがうよ");
    const QColor colour = right ? red : blue;
    const Texts display = right ? answerShown(answer[0], answer[1]) : fourEmpty;
    QCOMPARE(s.state(), drawn + answer);
    QCOMPARE(s.problem(), shown);
    QCOMPARE(s.verdict(), verdict);
    QCOMPARE(s.colour(), colour);
    QCOMPARE(s.display(), display);
    QCOMPARE(s.boxes(), (right ? Texts {hours, minutes} : noBoxes));
    QCOMPARE(s.focused(), QStringLiteral("cmdok"));
    QCOMPARE(s.world.messages->shown.size(), std::size_t(1));

    QVERIFY(s.answer("", ""));
    QCOMPARE(s.world.messages->shown.size(), std::size_t(2));
    QCOMPARE(s.world.messages->shown[1].title, QStringLiteral("ぽにるか"));
    QCOMPARE(s.world.messages->shown[1].prompt, QStringLiteral("こたえがはいっていないよ"));
    QCOMPARE(s.focused(), QStringLiteral("txthun3"));
    QCOMPARE(s.verdict(), verdict);
    QCOMPARE(s.colour(), colour);
    QCOMPARE(s.display(), display);

    const Texts other = right ? Texts {"99", "99"} : Texts {QString::number(answer[0]), QString::number(answer[1])};
    QVERIFY(s.answer(other[0], other[1]));
    QCOMPARE(s.verdict(), right ? QStringLiteral("ちがうよ") : QStringLiteral("せいかい"));
    QCOMPARE(s.colour(), right ? blue : red);
    QCOMPARE(s.display(), answerShown(answer[0], answer[1]));
    QCOMPARE(s.boxes(), right ? noBoxes : other);

    s.press("cmdmein");
    QVERIFY(s.open());
    QCOMPARE((s.problem() + s.display() + s.boxes() << s.verdict()).join(""), QString());
    QVERIFY(s.answer(QString::number(answer[0]), QString::number(answer[1])));
    QCOMPARE(s.verdict(), QStringLiteral("せいかい"));
    QCOMPARE(s.problem(), screen == frmtime ? fourEmpty : shown);
}

// Before any problem of the run the answer is 0 じ 0 ふん; frmtime2 writes that problem out as 0, even when the
// message follows.
void TestExercises::beforeAnyProblemTheAnswerIsZero()
{
    {
        Session s(frmtime);
        QVERIFY(s.open());
        QVERIFY(s.answer("0", "0"));
        QCOMPARE(s.verdict(), QStringLiteral("せいかい"));
        QCOMPARE(s.problem(), fourEmpty);
    }
    Session s(frmtime2);
    QVERIFY(s.open());
    Texts problemWithMessage;
    s.world.messages->onShow = [&] { problemWithMessage = s.problem(); };
    QVERIFY(s.answer("", ""));
    QCOMPARE(problemWithMessage, Texts({"0", "0", "0", "0"}));
}

void TestExercises::realDrawsStayInRange_data()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("frmtime") << frmtime;
    QTest::newRow("frmtime2") << frmtime2;
}

// With the program's own generator every value of the range comes up and no other; frmtime2 shows the larger
// values first and never expects a negative answer.
void TestExercises::realDrawsStayInRange()
{
    QFETCH(QString, screen);
    Session s(screen, true);
    QVERIFY(s.open());
    std::set<int> hours, minutes;
    for (int i = 0; i < 1000; ++i) {
        s.press("cmdst");
        s.press("cmdok");
        const QList<int> q = s.state();
        hours.insert({q[0], q[2]});
        minutes.insert({q[1], q[3]});
        if (screen == frmtime2) {
            const Texts p = s.problem();
            QVERIFY2(p[0].toInt() >= p[2].toInt() && p[1].toInt() >= p[3].toInt(), qPrintable(p.join(' ')));
            QVERIFY(q[4] >= 0 && q[4] <= 4 && q[5] >= 0 && q[5] <= 57);
        } else {
            QVERIFY(q[4] >= 2 && q[4] <= 11 && q[5] >= 0 && q[5] <= 59);
        }
    }
    QVERIFY(hours.size() == 5 && *hours.begin() == 1 && *hours.rbegin() == 5);
    QVERIFY(minutes.size() == 58 && *minutes.begin() == 1 && *minutes.rbegin() == 58);
}

// What the child sees change, changes in this order: the focus reaches the minutes box before the old problem is
// forgotten, the hours box empties first, the reseed comes before the draws, the verdict takes its colour before
// its text, and frmtime2 writes its problem out before the empty answer brings the message.
void TestExercises::stepsRunInOrder()
{
    Session s(frmtime2);
    QVERIFY(s.open());
    s.pose({5, 40, 2, 15});
    QVERIFY(s.type("txtji3", "1") && s.type("txthun3", "2"));
    s.keepJournal();

    s.pose({2, 10, 4, 30});
    QCOMPARE(s.journal,
        Texts({"focus txthun3, ji1 5", "empty txtji3, verdict ''", "empty txthun3, verdict ''", "Randomize", "Rnd",
            "Rnd", "Rnd", "Rnd"}));

    QVERIFY(s.type("txtji3", "9") && s.type("txthun3", "9"));
    s.journal.clear();
    s.press("cmdok");
    QCOMPARE(s.journal,
        Texts({"colour #000080, verdict '', boxes 9 9, display    ", "empty txtji3, verdict ''",
            "empty txthun3, verdict ''"}));

    QVERIFY(s.answer("2", "20"));
    QCOMPARE(s.journal.last(), "colour #ff0000, verdict 'ちがうよ', boxes 2 20, display 2 じ 20 ふん");

    QVERIFY(s.type("txtji3", "") && s.type("txthun3", ""));
    s.journal.clear();
    s.press("cmdok");
    QCOMPARE(s.journal, Texts({"message, problem 4 30 2 10, focus cmdok", "focus txthun3, ji1 2"}));
}

QTEST_MAIN(TestExercises)
#include "tst_exercises.moc"
