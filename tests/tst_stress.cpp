// SPDX-License-Identifier: MIT
#include "fakes.h"

#include "quiz/frmtime.h"
#include "quiz/frmtime2.h"
#include "quiz/quizsteps.h"
#include "shell/frmmein.h"
#include "shell/numbers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <fstream>
#include <map>

using namespace poniruka;
using namespace poniruka::test;

namespace {

long residentKilobytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * 4;
}

// What a child may paste into an answer box; %1 stands for the right number.
// Every thousandth answer is one of the two 1 MB pastes (the box keeps what
// fits), the others come from the short list.
const QStringList huge {QStringLiteral("%1") + QString(1 << 20, u'x'), QString(1 << 20, u'9')};
const QStringList hostile {
    QStringLiteral("%1"),
    QStringLiteral(" 0%1.0 "),
    QStringLiteral("%1ふん"),
    QString::fromUtf16(u"%1\0\x01\x1b\x7f", 6),
    QString::fromUtf16(u"\0%1", 3),
    QStringLiteral("１２"),
    QStringLiteral("😀%1"),
    QStringLiteral("1e999"),
    QStringLiteral("-1e999"),
    QStringLiteral("-0"),
    QStringLiteral("   "),
    QStringLiteral("\t\n"),
    QString(),
};

QString withAnswer(QString text, int answer)
{
    return text.replace(QStringLiteral("%1"), QString::number(answer));
}

ClockTime expectedAnswer(const QuizForm &exercise, const QuizState &s)
{
    if (dynamic_cast<const FrmTime *>(&exercise))
        return addWithCarry({s.ji1, s.hun1}, {s.ji2, s.hun2});
    return {largerFirst(s.ji1, s.ji2).difference(), largerFirst(s.hun1, s.hun2).difference()};
}

} // namespace

class TestStress : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hostileAnswers();
};

// 100,000 presses of "ちょうせん" and "こたえる" in turn on both exercises,
// answers pasted from the hostile list: no crash, and every verdict is the
// one that Val and the expected answer give.
void TestStress::hostileAnswers()
{
    FakeWorld world;
    Program program({world.messages, nullptr, world.files, world.programs}); // real draws
    Forms &forms = program.forms();
    program.runtime().run([&] { program.runtime().Show(forms.frmmein()); });
    const auto paste = [](QLineEdit *box, const QString &text) {
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    };

    constexpr int pairs = 50'000, perVisit = 1'000;
    long residentAtStart = 0;
    std::map<QString, int> verdicts;
    for (int pair = 0; pair < pairs; ++pair) {
        const bool first = pair / perVisit % 2 == 0;
        QuizForm &exercise = first ? static_cast<QuizForm &>(forms.frmtime()) : forms.frmtime2();
        if (pair % perVisit == 0) {
            QTest::mouseClick(forms.frmmein().control(first ? "cmdhiku" : "cmdtasu"), Qt::LeftButton);
            QVERIFY(exercise.isLoaded());
        }
        auto *hours = exercise.control<QLineEdit>("txtji3");
        auto *minutes = exercise.control<QLineEdit>("txthun3");
        QTest::mouseClick(exercise.control("cmdst"), Qt::LeftButton);

        const ClockTime answer = expectedAnswer(exercise, exercise.state());
        const QString &hoursText = pair % 1000 ? hostile[pair % hostile.size()] : huge[pair / 1000 % 2];
        paste(hours, withAnswer(hoursText, answer.ji));
        paste(minutes, withAnswer(hostile[pair / hostile.size() % hostile.size()], answer.hun));
        const QString h = hours->text(), m = minutes->text();
        QTest::mouseClick(exercise.control("cmdok"), Qt::LeftButton);

        const QString verdict = exercise.control<QLabel>("lblseikai")->text();
        ++verdicts[verdict];
        const QString said
            = QStringLiteral("'%1' '%2' for %3:%4: %5")
                  .arg(h.left(20), m.left(20), QString::number(answer.ji), QString::number(answer.hun), verdict);
        QCOMPARE(exercise.state().ji3, answer.ji);
        QCOMPARE(exercise.state().hun3, answer.hun);
        if (h.isEmpty() && m.isEmpty()) {
            QVERIFY2(world.messages->shown.size() == 1 && verdict.isEmpty(), qPrintable(said));
            world.messages->shown.clear();
        } else if (Val(h) == answer.ji && Val(m) == answer.hun) {
            QVERIFY2(
                verdict == QStringLiteral("せいかい") && hours->text() == h && minutes->text() == m, qPrintable(said));
        } else {
            QVERIFY2(verdict == QStringLiteral("ちがうよ") && hours->text().isEmpty() && minutes->text().isEmpty(),
                qPrintable(said));
        }

        if (pair % perVisit == perVisit - 1)
            QTest::mouseClick(exercise.control("cmdmein"), Qt::LeftButton);
        if (pair % 10 == 9) { // paint, and let unloaded windows go
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        if (pair == pairs / 10)
            residentAtStart = residentKilobytes();
    }
    qInfo("resident memory after %d presses: %ld KiB; after %d: %ld KiB; %d right, %d wrong, %d empty", pairs / 5,
        residentAtStart, pairs * 2, residentKilobytes(), verdicts[QStringLiteral("せいかい")],
        verdicts[QStringLiteral("ちがうよ")], verdicts[QString()]);
}

QTEST_MAIN(TestStress)
#include "tst_stress.moc"
