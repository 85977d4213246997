// SPDX-License-Identifier: MIT
#include "fakes.h"

#include "quiz/frmtime.h"
#include "quiz/frmtime2.h"
#include "shell/frmmein.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <set>

using namespace poniruka;
using namespace poniruka::test;

namespace poniruka {

char *toString(const QuizState &s)
{
    return qstrdup(QStringLiteral("{%1, %2, %3, %4 → %5, %6}")
                       .arg(s.ji1)
                       .arg(s.hun1)
                       .arg(s.ji2)
                       .arg(s.hun2)
                       .arg(s.ji3)
                       .arg(s.hun3)
                       .toUtf8());
}

} // namespace poniruka

namespace {

const QString frmtime = QStringLiteral("frmtime");
const QString frmtime2 = QStringLiteral("frmtime2");
const QStringList fourEmpty {QString(), QString(), QString(), QString()};

enum class Draws { Scripted, Real };

/// One run of the program with one exercise open, reached through the menu
/// as a child reaches it.
class Session
{
public:
    /// Draws::Real leaves the drawing to the program's own clock-seeded generator.
    explicit Session(
        const QString &screen, Draws draws = Draws::Scripted, std::shared_ptr<ScriptedRandom> random = nullptr)
        : m_screen(screen),
          world(withRandom(std::move(random))),
          program(draws == Draws::Real ? QtRuntime::Services {world.messages, nullptr, world.files, world.programs}
                                       : world.services())
    {
    }

    QuizForm &exercise()
    {
        if (m_screen == frmtime2)
            return program.forms().frmtime2();
        return program.forms().frmtime();
    }

    /// Opens the menu if needed, then the exercise from its menu button.
    [[nodiscard]] bool open()
    {
        FrmMein &menu = program.forms().frmmein();
        if (!menu.isLoaded())
            program.runtime().run([&] { program.runtime().Show(menu); });
        click(menu, m_screen == frmtime2 ? "cmdtasu" : "cmdhiku");
        return exercise().isLoaded() && QTest::qWaitForWindowActive(exercise().window());
    }

    void backToMenu() { click(exercise(), "cmdmein"); }

    /// Presses "ちょうせん" with the random source set to draw these values.
    void pose(const QList<int> &drawn)
    {
        world.random->script = {ScriptedRandom::drawing(drawn[0], 5), ScriptedRandom::drawing(drawn[1], 58),
            ScriptedRandom::drawing(drawn[2], 5), ScriptedRandom::drawing(drawn[3], 58)};
        click(exercise(), "cmdst");
    }

    /// Types into a box as a child does, replacing what it held: Latin
    /// characters key by key, kana as the input method commits them.
    [[nodiscard]] bool type(const char *box, const QString &text)
    {
        QLineEdit *edit = exercise().control<QLineEdit>(box);
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

    /// Types both boxes, then presses "こたえる".
    [[nodiscard]] bool answer(const QString &hours, const QString &minutes)
    {
        if (!type("txtji3", hours) || !type("txthun3", minutes))
            return false;
        click(exercise(), "cmdok");
        return true;
    }

    void press(const char *button) { click(exercise(), button); }

    QString label(const char *name) { return exercise().control<QLabel>(name)->text(); }
    QString box(const char *name) { return exercise().control<QLineEdit>(name)->text(); }
    QStringList problem() { return {label("lblji1"), label("lblhun1"), label("lblji2"), label("lblhun2")}; }
    QStringList display() { return {label("lblji3"), label("lbltime4"), label("lblhun3"), label("lblmm4")}; }
    QStringList boxes() { return {box("txtji3"), box("txthun3")}; }
    QString verdict() { return label("lblseikai"); }
    QColor verdictColour()
    {
        const QLabel *seikai = exercise().control<QLabel>("lblseikai");
        return seikai->palette().color(seikai->foregroundRole());
    }
    QString focused()
    {
        const QWidget *w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }

private:
    static void click(Form &form, const char *control)
    {
        QTest::mouseClick(form.control<QWidget>(control), Qt::LeftButton);
    }

    static FakeWorld withRandom(std::shared_ptr<ScriptedRandom> random)
    {
        FakeWorld world;
        if (random)
            world.random = std::move(random);
        return world;
    }

    QString m_screen;

public:
    FakeWorld world;
    Program program;
};

QStringList rightDisplay(int ji3, int hun3)
{
    return {QString::number(ji3), QStringLiteral("じ"), QString::number(hun3), QStringLiteral("ふん")};
}

/// Notes, in order, the steps of the sequences that the child could tell
/// apart, each with what the screen showed at that moment.
class Journal : public QObject
{
public:
    explicit Journal(Session &session) : m_session(session)
    {
        QuizForm &form = session.exercise();
        for (const char *name : {"txtji3", "txthun3"}) {
            QLineEdit *box = form.control<QLineEdit>(name);
            connect(box, &QLineEdit::textChanged, this, [this, name](const QString &text) {
                if (text.isEmpty())
                    note(QStringLiteral("empty %1, verdict '%2'").arg(name, m_session.verdict()));
            });
        }
        form.control<QLineEdit>("txthun3")->installEventFilter(this);
        form.control<QLabel>("lblseikai")->installEventFilter(this);
        session.world.messages->onShow = [this] {
            note(QStringLiteral("message, problem %1, focus %2")
                     .arg(m_session.problem().join(' '), m_session.focused()));
        };
    }

    ~Journal() override { m_session.world.messages->onShow = nullptr; }

    void note(const QString &entry) { entries << entry; }

    QStringList entries;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            note(QStringLiteral("focus %1, ji1 %2").arg(watched->objectName()).arg(m_session.exercise().state().ji1));
        else if (event->type() == QEvent::PaletteChange)
            note(QStringLiteral("colour %1, verdict '%2', boxes %3, display %4")
                     .arg(m_session.verdictColour().name(), m_session.verdict(), m_session.boxes().join(' '),
                         m_session.display().join(' ')));
        return false;
    }

private:
    Session &m_session;
};

/// A scripted random source that writes its calls into a journal.
class JournalRandom : public ScriptedRandom
{
public:
    void reseed() override
    {
        if (journal)
            journal->note(QStringLiteral("Randomize"));
        ScriptedRandom::reseed();
    }
    float next() override
    {
        if (journal)
            journal->note(QStringLiteral("Rnd"));
        return ScriptedRandom::next();
    }
    Journal *journal = nullptr;
};

void addBothScreens()
{
    QTest::addColumn<QString>("screen");
    QTest::newRow("frmtime") << frmtime;
    QTest::newRow("frmtime2") << frmtime2;
}

const QColor lightRed(255, 0, 0);
const QColor blue(0, 0, 128);

} // namespace

class TestExercises : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void workedProblems_data();
    void workedProblems();
    void readings_data();
    void readings();
    void emptyAnswerOnlyBringsTheMessage_data();
    void emptyAnswerOnlyBringsTheMessage();
    void secondAnswerReplacesTheVerdict_data();
    void secondAnswerReplacesTheVerdict();
    void newProblemClearsAllButTheVerdictColour_data();
    void newProblemClearsAllButTheVerdictColour();
    void answerBeforeAnyProblemIsZeroAndZero_data();
    void answerBeforeAnyProblemIsZeroAndZero();
    void problemOutlivesTheWindow_data();
    void problemOutlivesTheWindow();
    void realDrawsStayInRange_data();
    void realDrawsStayInRange();
    void stepsRunInOrder();
};

void TestExercises::workedProblems_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QList<int>>("drawn");  // ji1, hun1, ji2, hun2
    QTest::addColumn<QStringList>("shown"); // lblji1, lblhun1, lblji2, lblhun2
    QTest::addColumn<int>("ji3");
    QTest::addColumn<int>("hun3");

    const auto sum = [](const char *name, QList<int> drawn, int ji3, int hun3) {
        QStringList shown;
        for (int v : drawn)
            shown << QString::number(v);
        QTest::newRow(name) << frmtime << drawn << shown << ji3 << hun3;
    };
    sum("frmtime: 3:20 + 2:15, no carry", {3, 20, 2, 15}, 5, 35);
    sum("frmtime: 4:45 + 1:30, carry", {4, 45, 1, 30}, 6, 15);
    sum("frmtime: 1:01 + 1:58, 59 does not carry", {1, 1, 1, 58}, 2, 59);
    sum("frmtime: 2:30 + 3:30, carry at exactly 60", {2, 30, 3, 30}, 6, 0);
    sum("frmtime: 5:58 + 5:58, largest", {5, 58, 5, 58}, 11, 56);
    sum("frmtime: 1:01 + 1:01, smallest", {1, 1, 1, 1}, 2, 2);

    const auto difference = [](const char *name, QList<int> drawn, QStringList shown, int ji3, int hun3) {
        QTest::newRow(name) << frmtime2 << drawn << shown << ji3 << hun3;
    };
    difference("frmtime2: 2,40,5,15 puts the larger hours first", {2, 40, 5, 15}, {"5", "40", "2", "15"}, 3, 25);
    difference("frmtime2: 4,10,1,50 orders minutes apart from hours", {4, 10, 1, 50}, {"4", "50", "1", "10"}, 3, 40);
    difference("frmtime2: 3,20,3,20 equal values", {3, 20, 3, 20}, {"3", "20", "3", "20"}, 0, 0);
    difference("frmtime2: 5,58,1,1 largest answer", {5, 58, 1, 1}, {"5", "58", "1", "1"}, 4, 57);
    difference("frmtime2: 1,1,5,58 same problem drawn the other way", {1, 1, 5, 58}, {"5", "58", "1", "1"}, 4, 57);
}

// A drawn problem is shown as the exercise shows it, and its answer typed in is right and written out.
void TestExercises::workedProblems()
{
    QFETCH(QString, screen);
    QFETCH(QList<int>, drawn);
    QFETCH(QStringList, shown);
    QFETCH(int, ji3);
    QFETCH(int, hun3);
    Session s(screen);
    QVERIFY(s.open());

    s.pose(drawn);
    QCOMPARE(s.world.random->reseeds, 1);
    QVERIFY(s.world.random->script.empty());
    QCOMPARE(s.problem(), shown);
    QCOMPARE(s.boxes(), QStringList({"", ""}));
    QCOMPARE(s.display(), fourEmpty);
    QCOMPARE(s.verdict(), QString());
    QCOMPARE(s.focused(), QStringLiteral("txthun3"));

    QVERIFY(s.answer(QString::number(ji3), QString::number(hun3)));
    const QuizState expected {std::int16_t(drawn[0]), std::int16_t(drawn[1]), std::int16_t(drawn[2]),
        std::int16_t(drawn[3]), std::int16_t(ji3), std::int16_t(hun3)};
    QCOMPARE(s.exercise().state(), expected);
    QCOMPARE(s.problem(), shown);
    QCOMPARE(s.display(), rightDisplay(ji3, hun3));
    QCOMPARE(s.verdict(), QStringLiteral("せいかい"));
    QCOMPARE(s.verdictColour(), lightRed);
    QCOMPARE(s.boxes(), QStringList({QString::number(ji3), QString::number(hun3)}));
    QCOMPARE(s.focused(), QStringLiteral("cmdok"));
    QVERIFY(s.world.messages->shown.empty());
}

void TestExercises::readings_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QList<int>>("drawn");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<bool>("right");

    const QList<int> sevenOSeven {3, 3, 4, 4}; // 3:03 + 4:04 = 7:07
    const QList<int> sixOClock {2, 30, 3, 30}; // 2:30 + 3:30 = 6:00
    const QList<int> noHours {3, 20, 3, 40};   // 3:40 - 3:20 = 0:20
    const QList<int> zero {3, 20, 3, 20};      // 3:20 - 3:20 = 0:00
    // clang-format off
    QTest::newRow("leading zeros")             << frmtime << sevenOSeven << "07"    << "07"    << true;
    QTest::newRow("point and zero")            << frmtime << sevenOSeven << "7.0"   << "7.0"   << true;
    QTest::newRow("unit words typed after")    << frmtime << sevenOSeven << "7じ"   << "7ふん" << true;
    QTest::newRow("blanks around")             << frmtime << sevenOSeven << " 7 "   << "  7"   << true;
    QTest::newRow("fraction in the hours")     << frmtime << sevenOSeven << "7.5"   << "7"     << false;
    QTest::newRow("fraction in the minutes")   << frmtime << sevenOSeven << "7"     << "7.5"   << false;
    QTest::newRow("minutes missing")           << frmtime << sevenOSeven << "7"     << ""      << false;
    QTest::newRow("one minute off")            << frmtime << sevenOSeven << "7"     << "8"     << false;
    QTest::newRow("too large for a double")    << frmtime << sevenOSeven << "1e400" << "7"     << false;
    QTest::newRow("letters read as 0")         << frmtime << sevenOSeven << "a"     << "b"     << false;
    QTest::newRow("frmtime: minutes box empty when 0 are due")
                                               << frmtime << sixOClock   << "6"     << ""      << true;
    QTest::newRow("frmtime: hours box empty is wrong")
                                               << frmtime << sixOClock   << ""      << "0"     << false;
    QTest::newRow("frmtime2: hours box empty when 0 are due")
                                               << frmtime2 << noHours    << ""      << "20"    << true;
    QTest::newRow("frmtime2: the drawn order is not the answer")
                                               << frmtime2 << noHours    << "0"     << "-20"   << false;
    QTest::newRow("frmtime2: 0 with the minutes box empty")
                                               << frmtime2 << zero       << "0"     << ""      << true;
    QTest::newRow("frmtime2: 0 with the hours box empty")
                                               << frmtime2 << zero       << ""      << "0"     << true;
    QTest::newRow("frmtime2: blanks only are an answer")
                                               << frmtime2 << zero       << " "     << " "     << true;
    QTest::newRow("frmtime2: a letter and nothing read as 0")
                                               << frmtime2 << zero       << "x"     << ""      << true;
    // clang-format on
}

// Any answer with text in a box is judged by the leading numbers, with no message.
void TestExercises::readings()
{
    QFETCH(QString, screen);
    QFETCH(QList<int>, drawn);
    QFETCH(QString, hours);
    QFETCH(QString, minutes);
    QFETCH(bool, right);
    Session s(screen);
    QVERIFY(s.open());
    s.pose(drawn);

    QVERIFY(s.answer(hours, minutes));
    QVERIFY(s.world.messages->shown.empty());
    if (right) {
        QCOMPARE(s.verdict(), QStringLiteral("せいかい"));
        QCOMPARE(s.boxes(), QStringList({hours, minutes}));
        QCOMPARE(s.display(), rightDisplay(s.exercise().state().ji3, s.exercise().state().hun3));
    } else {
        QCOMPARE(s.verdict(), QStringLiteral("ちがうよ"));
        QCOMPARE(s.verdictColour(), blue);
        QCOMPARE(s.boxes(), QStringList({"", ""}));
        QCOMPARE(s.display(), fourEmpty);
    }
}

void TestExercises::emptyAnswerOnlyBringsTheMessage_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("before"); // the answer given before the boxes were emptied
    QTest::newRow("frmtime: fresh problem") << frmtime << "";
    QTest::newRow("frmtime: after a right answer") << frmtime << "right";
    QTest::newRow("frmtime: after a wrong answer") << frmtime << "wrong";
    QTest::newRow("frmtime2: fresh problem") << frmtime2 << "";
    QTest::newRow("frmtime2: after a right answer") << frmtime2 << "right";
    QTest::newRow("frmtime2: after a wrong answer") << frmtime2 << "wrong";
}

// Both boxes empty: the message under the title, then the focus in the minutes
// box; verdict and answer display stay, yet the answer is still computed.
void TestExercises::emptyAnswerOnlyBringsTheMessage()
{
    QFETCH(QString, screen);
    QFETCH(QString, before);
    Session s(screen);
    QVERIFY(s.open());
    s.pose({5, 40, 2, 15}); // 7:55 on frmtime, 3:25 on frmtime2
    const QStringList shown = s.problem();
    const int ji3 = screen == frmtime ? 7 : 3;
    const int hun3 = screen == frmtime ? 55 : 25;
    if (before == "right")
        QVERIFY(s.answer(QString::number(ji3), QString::number(hun3)));
    else if (before == "wrong")
        QVERIFY(s.answer("1", "1"));
    QVERIFY(s.type("txtji3", ""));
    QVERIFY(s.type("txthun3", ""));
    const QStringList display = s.display();
    const QString verdict = s.verdict();
    const QColor colour = s.verdictColour();
    if (before == "")
        QCOMPARE(s.exercise().state().ji3, std::int16_t(0));

    QString focusWhileShown = QStringLiteral("unset");
    s.world.messages->onShow = [&] { focusWhileShown = s.focused(); };
    s.press("cmdok");

    QCOMPARE(s.world.messages->shown.size(), std::size_t(1));
    QCOMPARE(s.world.messages->shown[0].title, QStringLiteral("ぽにるか"));
    QCOMPARE(s.world.messages->shown[0].prompt, QStringLiteral("こたえがはいっていないよ"));
    QCOMPARE(focusWhileShown, QStringLiteral("cmdok"));
    QCOMPARE(s.focused(), QStringLiteral("txthun3"));
    QCOMPARE(s.verdict(), verdict);
    QCOMPARE(s.verdictColour(), colour);
    QCOMPARE(s.display(), display);
    QCOMPARE(s.problem(), shown);
    QCOMPARE(s.exercise().state().ji3, std::int16_t(ji3));
    QCOMPARE(s.exercise().state().hun3, std::int16_t(hun3));
}

void TestExercises::secondAnswerReplacesTheVerdict_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("first");
    QTest::addColumn<QString>("firstVerdict");
    QTest::addColumn<QStringList>("second");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QStringList>("display");
    QTest::addColumn<QStringList>("boxes");

    // The problem is 4:50 and 1:10: 6:00 on frmtime, 3:40 on frmtime2.
    using L = QStringList;
    const L none {"", ""};
    // clang-format off
    QTest::newRow("frmtime: right, then wrong keeps the display")
        << frmtime  << L {"6", "0"}  << "せいかい" << L {"6", "59"} << "ちがうよ" << blue     << rightDisplay(6, 0)  << none;
    QTest::newRow("frmtime: wrong, then right")
        << frmtime  << L {"5", "60"} << "ちがうよ" << L {"6", "0"}  << "せいかい" << lightRed << rightDisplay(6, 0)  << L {"6", "0"};
    QTest::newRow("frmtime: wrong twice")
        << frmtime  << L {"5", "60"} << "ちがうよ" << L {"7", "0"}  << "ちがうよ" << blue     << fourEmpty        << none;
    QTest::newRow("frmtime2: right, then wrong keeps the display")
        << frmtime2 << L {"3", "40"} << "せいかい" << L {"3", "41"} << "ちがうよ" << blue     << rightDisplay(3, 40) << none;
    QTest::newRow("frmtime2: wrong, then right")
        << frmtime2 << L {"5", "50"} << "ちがうよ" << L {"3", "40"} << "せいかい" << lightRed << rightDisplay(3, 40) << L {"3", "40"};
    // clang-format on
}

// Each answer replaces the verdict and its colour; only a right answer writes
// the display, and only a wrong one empties the boxes. The focus stays put.
void TestExercises::secondAnswerReplacesTheVerdict()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, first);
    QFETCH(QString, firstVerdict);
    QFETCH(QStringList, second);
    QFETCH(QString, verdict);
    QFETCH(QColor, colour);
    QFETCH(QStringList, display);
    QFETCH(QStringList, boxes);
    Session s(screen);
    QVERIFY(s.open());
    s.pose({4, 50, 1, 10});
    QVERIFY(s.answer(first[0], first[1]));
    QCOMPARE(s.verdict(), firstVerdict);
    const QuizState state = s.exercise().state();

    QVERIFY(s.answer(second[0], second[1]));
    QCOMPARE(s.verdict(), verdict);
    QCOMPARE(s.verdictColour(), colour);
    QCOMPARE(s.display(), display);
    QCOMPARE(s.boxes(), boxes);
    QCOMPARE(s.focused(), QStringLiteral("cmdok"));
    QCOMPARE(s.exercise().state(), state);
}

void TestExercises::newProblemClearsAllButTheVerdictColour_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("answer"); // to 1:01 and 1:01
    QTest::addColumn<QString>("verdict");
    QTest::newRow("frmtime: after a right answer") << frmtime << QStringList {"2", "2"} << "せいかい";
    QTest::newRow("frmtime: after a wrong answer") << frmtime << QStringList {"9", "9"} << "ちがうよ";
    QTest::newRow("frmtime2: after a right answer") << frmtime2 << QStringList {"0", "0"} << "せいかい";
    QTest::newRow("frmtime2: after a wrong answer") << frmtime2 << QStringList {"9", "9"} << "ちがうよ";
}

// Every "ちょうせん" reseeds, draws anew and empties boxes, display and verdict; the verdict keeps its colour.
void TestExercises::newProblemClearsAllButTheVerdictColour()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, answer);
    QFETCH(QString, verdict);
    Session s(screen);
    QVERIFY(s.open());
    s.pose({1, 1, 1, 1});
    QVERIFY(s.answer(answer[0], answer[1]));
    QCOMPARE(s.verdict(), verdict);
    QVERIFY(s.type("txtji3", "3"));
    QVERIFY(s.type("txthun3", "4"));
    const QColor colour = s.verdictColour();

    s.pose({2, 2, 2, 2});
    QCOMPARE(s.world.random->reseeds, 2);
    QCOMPARE(s.exercise().state(), (QuizState {2, 2, 2, 2, 0, 0}));
    QCOMPARE(s.problem(), QStringList({"2", "2", "2", "2"}));
    QCOMPARE(s.boxes(), QStringList({"", ""}));
    QCOMPARE(s.display(), fourEmpty);
    QCOMPARE(s.verdict(), QString());
    QCOMPARE(s.verdictColour(), colour);
    QCOMPARE(s.focused(), QStringLiteral("txthun3"));
}

void TestExercises::answerBeforeAnyProblemIsZeroAndZero_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("verdict"); // empty: the message
    // clang-format off
    QTest::newRow("frmtime: 0 and 0")              << frmtime  << "0" << "0" << "せいかい";
    QTest::newRow("frmtime: a letter and nothing") << frmtime  << "a" << ""  << "せいかい";
    QTest::newRow("frmtime: 1 and 0")              << frmtime  << "1" << "0" << "ちがうよ";
    QTest::newRow("frmtime: nothing")              << frmtime  << ""  << ""  << "";
    QTest::newRow("frmtime2: 0 and 0")             << frmtime2 << "0" << "0" << "せいかい";
    QTest::newRow("frmtime2: 0 and 1")             << frmtime2 << "0" << "1" << "ちがうよ";
    QTest::newRow("frmtime2: nothing")             << frmtime2 << ""  << ""  << "";
    // clang-format on
}

// On the first opening in a run the answer is 0 じ 0 ふん; frmtime2 writes its
// problem labels as 0 even when the message follows.
void TestExercises::answerBeforeAnyProblemIsZeroAndZero()
{
    QFETCH(QString, screen);
    QFETCH(QString, hours);
    QFETCH(QString, minutes);
    QFETCH(QString, verdict);
    Session s(screen);
    QVERIFY(s.open());
    QStringList problemWhileShown;
    s.world.messages->onShow = [&] { problemWhileShown = s.problem(); };

    QVERIFY(s.answer(hours, minutes));
    const QStringList problem = screen == frmtime2 ? QStringList({"0", "0", "0", "0"}) : fourEmpty;
    QCOMPARE(s.problem(), problem);
    QCOMPARE(s.exercise().state(), QuizState {});
    QCOMPARE(s.verdict(), verdict);
    QCOMPARE(s.world.messages->shown.size(), std::size_t(verdict.isEmpty() ? 1 : 0));
    if (verdict.isEmpty())
        QCOMPARE(problemWhileShown, problem);
    QCOMPARE(s.display(), verdict == "せいかい" ? rightDisplay(0, 0) : fourEmpty);
}

void TestExercises::problemOutlivesTheWindow_data()
{
    addBothScreens();
}

// Back from the menu the screen starts empty, yet "こたえる" judges against the last problem.
void TestExercises::problemOutlivesTheWindow()
{
    QFETCH(QString, screen);
    Session s(screen);
    QVERIFY(s.open());
    s.pose({4, 10, 1, 50}); // 6:00 on frmtime, 3:40 on frmtime2
    const QStringList shown = s.problem();
    QVERIFY(s.answer("1", "1"));
    const QuizState state = s.exercise().state();

    s.backToMenu();
    QVERIFY(!s.exercise().isLoaded());
    QVERIFY(s.open());
    QCOMPARE(s.problem(), fourEmpty);
    QCOMPARE(s.display(), fourEmpty);
    QCOMPARE(s.boxes(), QStringList({"", ""}));
    QCOMPARE(s.verdict(), QString());
    QCOMPARE(s.exercise().state(), state);

    QVERIFY(s.answer(QString::number(state.ji3), QString::number(state.hun3)));
    QCOMPARE(s.verdict(), QStringLiteral("せいかい"));
    QCOMPARE(s.display(), rightDisplay(state.ji3, state.hun3));
    QCOMPARE(s.problem(), screen == frmtime2 ? shown : fourEmpty);
    QCOMPARE(s.world.random->reseeds, 1);
}

void TestExercises::realDrawsStayInRange_data()
{
    addBothScreens();
}

// With the program's own generator every drawn value is in range and every
// value of the range comes up; frmtime2 never shows a span larger than its
// clock time and never expects a negative answer.
void TestExercises::realDrawsStayInRange()
{
    QFETCH(QString, screen);
    Session s(screen, Draws::Real);
    QVERIFY(s.open());
    const bool difference = screen == frmtime2;
    std::set<int> hours;
    std::set<int> minutes;

    for (int i = 0; i < 1000; ++i) {
        s.press("cmdst");
        s.press("cmdok");
        const QuizState q = s.exercise().state();
        QVERIFY(q.ji1 >= 1 && q.ji1 <= 5 && q.ji2 >= 1 && q.ji2 <= 5);
        QVERIFY(q.hun1 >= 1 && q.hun1 <= 58 && q.hun2 >= 1 && q.hun2 <= 58);
        hours.insert({q.ji1, q.ji2});
        minutes.insert({q.hun1, q.hun2});
        if (difference) {
            const QStringList p = s.problem();
            QVERIFY2(p[0].toInt() >= p[2].toInt() && p[1].toInt() >= p[3].toInt(), qPrintable(p.join(' ')));
            QVERIFY(q.ji3 >= 0 && q.ji3 <= 4 && q.hun3 >= 0 && q.hun3 <= 57);
        } else {
            QVERIFY(q.ji3 >= 2 && q.ji3 <= 11 && q.hun3 >= 0 && q.hun3 <= 59);
        }
    }
    QCOMPARE(hours.size(), std::size_t(5));
    QCOMPARE(minutes.size(), std::size_t(58));
    QCOMPARE(s.world.messages->shown.size(), std::size_t(1000));
}

// What the child sees change, changes in this order: the focus leaves for the
// minutes box before the old problem is forgotten, the hours box empties
// before the minutes box, the reseed comes before the draws, and the verdict
// takes its colour before its text.
void TestExercises::stepsRunInOrder()
{
    auto random = std::make_shared<JournalRandom>();
    Session s(frmtime2, Draws::Scripted, random);
    QVERIFY(s.open());
    s.pose({5, 40, 2, 15});
    QVERIFY(s.type("txtji3", "1"));
    QVERIFY(s.type("txthun3", "2"));
    Journal journal(s);
    random->journal = &journal;

    s.pose({2, 10, 4, 30});
    QCOMPARE(journal.entries,
        QStringList({"focus txthun3, ji1 5", "empty txtji3, verdict ''", "empty txthun3, verdict ''", "Randomize",
            "Rnd", "Rnd", "Rnd", "Rnd"}));

    QVERIFY(s.type("txtji3", "9"));
    QVERIFY(s.type("txthun3", "9"));
    journal.entries.clear();
    s.press("cmdok");
    QCOMPARE(journal.entries,
        QStringList({"colour #000080, verdict '', boxes 9 9, display    ", "empty txtji3, verdict ''",
            "empty txthun3, verdict ''"}));
    QCOMPARE(s.verdict(), QStringLiteral("ちがうよ"));

    QVERIFY(s.answer("2", "20"));
    QCOMPARE(
        journal.entries.last(), QStringLiteral("colour #ff0000, verdict 'ちがうよ', boxes 2 20, display 2 じ 20 ふん"));
    QCOMPARE(s.verdict(), QStringLiteral("せいかい"));

    QVERIFY(s.type("txtji3", ""));
    QVERIFY(s.type("txthun3", ""));
    journal.entries.clear();
    s.press("cmdok");
    QCOMPARE(journal.entries, QStringList({"message, problem 4 30 2 10, focus cmdok", "focus txthun3, ji1 2"}));
}

QTEST_MAIN(TestExercises)
#include "tst_exercises.moc"
