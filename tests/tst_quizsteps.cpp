// SPDX-License-Identifier: MIT
// What only the arithmetic itself can show; the worked problems of both
// exercises are tested through their screens in tst_exercises.
#include "quiz/quizsteps.h"
#include "shell/runtimeerror.h"

#include <QTest>

#include <cmath>

using namespace poniruka;

class TestQuizSteps : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void drawValue_data();
    void drawValue();
    void equalValuesMakeAZeroDifference();
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
    QTest::newRow("minutes: zero draws 1, never 0") << 0.0f << minuteValues << 1;
    QTest::newRow("minutes: just below one draws 58, never 59") << belowOne << minuteValues << 58;
}

// A draw is the whole part of r * n + 1: 1 to n, never rounded up.
void TestQuizSteps::drawValue()
{
    QFETCH(float, r);
    QFETCH(int, n);
    QFETCH(int, value);
    QCOMPARE(poniruka::drawValue(r, n), std::int16_t(value));
}

// Two equal values are both the larger and the smaller one.
void TestQuizSteps::equalValuesMakeAZeroDifference()
{
    const OrderedPair pair = largerFirst(3, 3);
    QVERIFY(pair.larger == 3 && pair.smaller == 3);
    QCOMPARE(pair.difference(), std::int16_t(0));
}

// Sums and differences are 16-bit: beyond its range they raise an overflow, never wrap.
void TestQuizSteps::arithmeticOverflowIsAnError()
{
    QVERIFY_THROWS_EXCEPTION(RuntimeError, addWithCarry({32767, 0}, {1, 0}));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, addWithCarry({32767, 30}, {0, 30}));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, addWithCarry({0, 32767}, {0, 1}));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, (OrderedPair {32767, -1}.difference()));
}

QTEST_APPLESS_MAIN(TestQuizSteps)
#include "tst_quizsteps.moc"
