// SPDX-License-Identifier: MIT
#include "quiz/quizsteps.h"
#include "shell/numbers.h"
#include "shell/random.h"

#include <QTest>

#include <limits>
#include <set>

using namespace poniruka;

constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr int overflow = std::numeric_limits<int>::min(); // CInt raises the overflow error

class TestNumbers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("leading zero") << "07" << 7.0;
        QTest::newRow("trailing word") << "7ふん" << 7.0;
        QTest::newRow("fraction kept") << "7.5" << 7.5;
        QTest::newRow("blank after sign") << "- 7" << -7.0;
        QTest::newRow("point first") << ".5" << 0.5;
        QTest::newRow("blanks, tabs and line feeds anywhere") << "\t\n1 2\t3\n4" << 1234.0;
        QTest::newRow("exponent D") << "1d1" << 10.0;
        QTest::newRow("exponent letter without digits") << "3e" << 3.0;
        QTest::newRow("no radix prefix") << "&H10" << 0.0;
        QTest::newRow("full-width digit is not a digit") << "７" << 0.0;
        QTest::newRow("tiny number, capital E") << "1E-999" << 0.0;
        QTest::newRow("four hundred nines are infinite") << QString(400, u'9') << infinity;
        QTest::newRow("negative, exponent beyond any integer") << "-1e99999999999999999999" << -infinity;
        QTest::newRow("exponent larger than a megabyte of leading zeros")
            << "0." + QString(1'200'000, u'0') + "1e1500000" << infinity;
    }

    // Typed text reads as its leading number; one too large for a double is infinite, equal to no whole number.
    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(Val(text), expected);
    }

    void cint_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("expected");
        QTest::newRow("rounded down to the top") << 32767.4 << 32767;
        QTest::newRow("above the top") << 32767.5 << overflow;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << overflow;
    }

    // Conversion to 16 bits raises the overflow error when the rounded result leaves 16 bits, instead of wrapping
    // round.
    void cint()
    {
        QFETCH(double, x);
        QFETCH(int, expected);
        if (expected == overflow)
            QVERIFY_THROWS_EXCEPTION(RuntimeError, CInt(x));
        else
            QCOMPARE(CInt(x), std::int16_t(expected));
    }

    // Draws stay in 1 to N (hours 5, minutes 58) at both ends of the generator; quick reseeds draw differently.
    void draws()
    {
        const float lowest = ClockRandom::fromBits(0), highest = ClockRandom::fromBits(~std::uint64_t(0));
        QCOMPARE(QList<int>({drawValue(lowest, hourValues), drawValue(highest, hourValues)}), QList<int>({1, 5}));
        QCOMPARE(QList<int>({drawValue(lowest, minuteValues), drawValue(highest, minuteValues)}), QList<int>({1, 58}));
        ClockRandom random;
        std::set<float> firsts;
        for (int i = 0; i < 20; ++i) {
            random.reseed();
            firsts.insert(random.next());
        }
        QCOMPARE(firsts.size(), std::size_t(20));
    }
};

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
