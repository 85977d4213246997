// SPDX-License-Identifier: MIT
#include "fakes.h"

#include "bench/bench.h"
#include "quiz/frmtime.h"
#include "quiz/frmtime2.h"
#include "shell/frmmein.h"
#include "shell/numbers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <map>

using namespace poniruka;

namespace {

// What a child may paste into an answer box; %1 stands for the right number. Every thousandth hours answer is one of
// the two 1 MB pastes (the box keeps what fits).
const QStringList huge {QStringLiteral("%1") + QString(1 << 20, u'x'), QString(1 << 20, u'9')};
const QStringList hostile {"%1", " 0%1.0 ", "%1ふん", QString::fromUtf16(u"%1\0\x01\x1b\x7f", 6),
    QString::fromUtf16(u"\0%1", 3), "１２", "😀%1", "1e999", "-1e999", "-0", "   ", "\t\n", QString()};

} // namespace

class TestStress : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // 100,000 presses of "ちょうせん" and "こたえる" in turn on both exercises, answers pasted from the hostile list:
    // no crash, the answer each problem's drawn values give, and the verdict that Val and that answer give.
    void hostileAnswers()
    {
        test::FakeWorld world;
        Program program({world.messages, nullptr, world.outside, world.outside}); // real draws
        Forms &forms = program.forms();
        program.runtime().run([&] { program.runtime().Show(forms.frmmein()); });
        constexpr int pairs = 50'000, perVisit = 1'000;
        long residentAtStart = 0;
        std::map<QString, int> verdicts;
        for (int pair = 0; pair < pairs; ++pair) {
            const bool addition = pair / perVisit % 2 == 0;
            QuizForm &exercise = addition ? static_cast<QuizForm &>(forms.frmtime()) : forms.frmtime2();
            if (pair % perVisit == 0)
                QTest::mouseClick(forms.frmmein().control(addition ? "cmdhiku" : "cmdtasu"), Qt::LeftButton);
            QTest::mouseClick(exercise.control("cmdst"), Qt::LeftButton);
            const QuizState &s = exercise.state();
            const int minutes = addition ? s.hun1 + s.hun2 : std::abs(s.hun1 - s.hun2);
            const int ji = addition ? s.ji1 + s.ji2 + minutes / 60 : std::abs(s.ji1 - s.ji2), hun = minutes % 60;
            QString typed[2] = {pair % 1000 ? hostile[pair % hostile.size()] : huge[pair / 1000 % 2],
                hostile[pair / hostile.size() % hostile.size()]};
            for (int i = 0; i < 2; ++i) {
                QGuiApplication::clipboard()->setText(typed[i].replace("%1", QString::number(i ? hun : ji)));
                auto *box = exercise.control<QLineEdit>(i ? "txthun3" : "txtji3");
                QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
                typed[i] = box->text();
            }
            QTest::mouseClick(exercise.control("cmdok"), Qt::LeftButton);
            QCOMPARE(QList<int>({s.ji3, s.hun3}), QList<int>({ji, hun}));
            const QString verdict = exercise.control<QLabel>("lblseikai")->text();
            ++verdicts[verdict];
            const bool right = Val(typed[0]) == ji && Val(typed[1]) == hun, empty = (typed[0] + typed[1]).isEmpty();
            const QString kept
                = exercise.control<QLineEdit>("txtji3")->text() + exercise.control<QLineEdit>("txthun3")->text();
            QVERIFY2(empty ? world.messages->shown.size() == 1 && verdict.isEmpty()
                           : verdict == (right ? "せいかい" : "ちがうよ") && kept == (right ? typed[0] + typed[1] : ""),
                qPrintable(QString("'%1' '%2' for %3: %4")
                               .arg(typed[0].left(20), typed[1].left(20), QString("%1:%2").arg(ji).arg(hun), verdict)));
            world.messages->shown.clear();
            if (pair % perVisit == perVisit - 1)
                QTest::mouseClick(exercise.control("cmdmein"), Qt::LeftButton);
            if (pair % 10 == 9)
                bench::settle();
            if (pair == pairs / 10)
                residentAtStart = bench::residentKilobytes();
        }
        qInfo("resident memory after %d presses: %ld KiB; after %d: %ld KiB; %d right, %d wrong, %d empty", pairs / 5,
            residentAtStart, pairs * 2, bench::residentKilobytes(), verdicts["せいかい"], verdicts["ちがうよ"],
            verdicts[""]);
    }
};

QTEST_MAIN(TestStress)
#include "tst_stress.moc"
