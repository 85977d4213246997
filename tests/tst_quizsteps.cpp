// SPDX-License-Identifier: MIT
#include "quiz/quizsteps.h"
#include "shell/runtimeerror.h"

#include <QTest>

#include <cmath>

using namespace poniruka;

namespace poniruka {

char *toString(const ClockTime &t)
{
    return qstrdup(QByteArray::number(t.ji) + " じ " + QByteArray::number(t.hun) + " ふん");
}

char *toString(const OrderedPair &p)
{
    return qstrdup(QByteArray::number(p.larger) + " over " + QByteArray::number(p.smaller));
}

} // namespace poniruka

class TestQuizSteps : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void drawValue_data();
    void drawValue();
    void addWithCarry_data();
    void addWithCarry();
    void largerFirst_data();
    void largerFirst();
    void arithmeticOverflowIsAnError();
};

void TestQuizSteps::drawValue_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("value");

    const float belowOne = std::nextafter(1.0f, 0.0f);
    QTest::newRow("hours: zero draws 1") << 0.0f << hourValues << 1;
    QTest::newRow("hours: just below one draws 5") << belowOne << hourValues << 5;
    QTest::newRow("hours: just below a fifth draws 1") << std::nextafter(0.2f, 0.0f) << hourValues << 1;
    QTest::newRow("hours: a fifth draws 2") << 0.2f << hourValues << 2;
    QTest::newRow("minutes: zero draws 1, never 0") << 0.0f << minuteValues << 1;
    QTest::newRow("minutes: just below one draws 58, never 59") << belowOne << minuteValues << 58;
    QTest::newRow("minutes: a half draws 30") << 0.5f << minuteValues << 30;
}

// A draw is the whole part of r * n + 1: 1 to n, never rounded up.
void TestQuizSteps::drawValue()
{
    QFETCH(float, r);
    QFETCH(int, n);
    QFETCH(int, value);
    QCOMPARE(poniruka::drawValue(r, n), std::int16_t(value));
}

void TestQuizSteps::addWithCarry_data()
{
    QTest::addColumn<ClockTime>("start");
    QTest::addColumn<ClockTime>("span");
    QTest::addColumn<ClockTime>("sum");

    QTest::newRow("3:20 + 2:15, no carry") << ClockTime {3, 20} << ClockTime {2, 15} << ClockTime {5, 35};
    QTest::newRow("4:45 + 1:30, carry from 75") << ClockTime {4, 45} << ClockTime {1, 30} << ClockTime {6, 15};
    QTest::newRow("1:01 + 1:58, 59 does not carry") << ClockTime {1, 1} << ClockTime {1, 58} << ClockTime {2, 59};
    QTest::newRow("2:30 + 3:30, carry at exactly 60") << ClockTime {2, 30} << ClockTime {3, 30} << ClockTime {6, 0};
    QTest::newRow("5:58 + 5:58, the largest problem") << ClockTime {5, 58} << ClockTime {5, 58} << ClockTime {11, 56};
    QTest::newRow("1:01 + 1:01, the smallest problem") << ClockTime {1, 1} << ClockTime {1, 1} << ClockTime {2, 2};
    QTest::newRow("0:00 + 0:00, before any problem") << ClockTime {} << ClockTime {} << ClockTime {0, 0};
    QTest::newRow("hours do not wrap at 12") << ClockTime {10, 40} << ClockTime {3, 20} << ClockTime {14, 0};
}

// The minutes carry one hour once they reach 60; the hours just add up.
void TestQuizSteps::addWithCarry()
{
    QFETCH(ClockTime, start);
    QFETCH(ClockTime, span);
    QFETCH(ClockTime, sum);
    QCOMPARE(poniruka::addWithCarry(start, span), sum);
}

void TestQuizSteps::largerFirst_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<OrderedPair>("pair");
    QTest::addColumn<int>("difference");

    QTest::newRow("first larger stays first") << 5 << 2 << OrderedPair {5, 2} << 3;
    QTest::newRow("second larger comes first") << 10 << 50 << OrderedPair {50, 10} << 40;
    QTest::newRow("equal values") << 3 << 3 << OrderedPair {3, 3} << 0;
    QTest::newRow("widest minutes") << 1 << 58 << OrderedPair {58, 1} << 57;
    QTest::newRow("before any problem") << 0 << 0 << OrderedPair {0, 0} << 0;
}

// The larger value comes first whatever the drawing order, so the difference is never negative.
void TestQuizSteps::largerFirst()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(OrderedPair, pair);
    QFETCH(int, difference);
    const OrderedPair ordered = poniruka::largerFirst(std::int16_t(first), std::int16_t(second));
    QCOMPARE(ordered, pair);
    QCOMPARE(ordered.difference(), std::int16_t(difference));
}

// Sums and differences are 16-bit: beyond its range they raise an overflow, never wrap.
void TestQuizSteps::arithmeticOverflowIsAnError()
{
    QVERIFY_THROWS_EXCEPTION(RuntimeError, poniruka::addWithCarry({32767, 0}, {1, 0}));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, poniruka::addWithCarry({32767, 30}, {0, 30}));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, poniruka::addWithCarry({0, 32767}, {0, 1}));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, (OrderedPair {32767, -1}.difference()));
}

QTEST_APPLESS_MAIN(TestQuizSteps)
#include "tst_quizsteps.moc"
