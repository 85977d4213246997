// SPDX-License-Identifier: MIT
#include "shell/random.h"
#include "shell/runtime.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace poniruka;

class TestNumbers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void val_data();
    void val();
    void valOfHugeNumbersEqualsNoWholeNumber_data();
    void valOfHugeNumbersEqualsNoWholeNumber();
    void cint_data();
    void cint();
    void cintOverflows_data();
    void cintOverflows();
    void sums16Overflow();
    void cstr();
    void qbcolor();
    void randomNeverReachesOne();
    void reseedsInQuickSuccessionDrawDifferently();
    void drawStaysInRangeAtBothEnds_data();
    void drawStaysInRangeAtBothEnds();
};

void TestNumbers::val_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");

    QTest::newRow("leading zero") << "07" << 7.0;
    QTest::newRow("zero fraction") << "7.0" << 7.0;
    QTest::newRow("surrounding blanks") << " 7 " << 7.0;
    QTest::newRow("trailing word") << "7ふん" << 7.0;
    QTest::newRow("fraction kept") << "7.5" << 7.5;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("blank after sign") << "- 7" << -7.0;
    QTest::newRow("exponent E") << "1e1" << 10.0;
    QTest::newRow("exponent D") << "1d1" << 10.0;
    QTest::newRow("exponent with sign") << "25E-1" << 2.5;
    QTest::newRow("exponent letter without digits") << "3e" << 3.0;
    QTest::newRow("exponent sign without digits") << "3e+x" << 3.0;
    QTest::newRow("blanks inside digits") << "1 2\t3\n4" << 1234.0;
    QTest::newRow("tab and line feed before") << "\t\n5" << 5.0;
    QTest::newRow("plus sign") << "+8" << 8.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("point only") << "." << 0.0;
    QTest::newRow("sign only") << "-" << 0.0;
    QTest::newRow("second point stops") << "1.2.3" << 1.2;
    QTest::newRow("no radix prefix") << "&H10" << 0.0;
    QTest::newRow("no thousands separator") << "1,000" << 1.0;
    QTest::newRow("full-width digit is not a digit") << "７" << 0.0;
    QTest::newRow("tiny number") << "1e-999" << 0.0;
    QTest::newRow("many leading zeros") << QString(500, u'0') + "3" << 3.0;
}

// Typed text reads as its leading number.
void TestNumbers::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(Val(text), expected);
}

void TestNumbers::valOfHugeNumbersEqualsNoWholeNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("1e999") << "1e999";
    QTest::newRow("four hundred nines") << QString(400, u'9');
    QTest::newRow("negative 1d400") << "-1d400";
    QTest::newRow("huge exponent") << "1e99999999999999999999";
}

// A number beyond a double does not end the program and matches no answer.
void TestNumbers::valOfHugeNumbersEqualsNoWholeNumber()
{
    QFETCH(QString, text);
    const double v = Val(text);
    QVERIFY(std::isinf(v));
    for (double whole : {0.0, 5.0, 59.0, 32767.0})
        QVERIFY(v != whole);
}

void TestNumbers::cint_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("expected");
    QTest::newRow("half to even, down") << 2.5 << 2;
    QTest::newRow("half to even, up") << 3.5 << 4;
    QTest::newRow("negative half") << -2.5 << -2;
    QTest::newRow("just below half") << 2.4999 << 2;
    QTest::newRow("top") << 32767.0 << 32767;
    QTest::newRow("bottom") << -32768.0 << -32768;
    QTest::newRow("rounds down into range") << 32767.4 << 32767;
}

// Conversion to 16 bits rounds to the nearest whole number, halves to even.
void TestNumbers::cint()
{
    QFETCH(double, x);
    QFETCH(int, expected);
    QCOMPARE(int(CInt(x)), expected);
}

void TestNumbers::cintOverflows_data()
{
    QTest::addColumn<double>("x");
    QTest::newRow("above") << 32767.5;
    QTest::newRow("below") << -32768.6;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
}

// Outside 16 bits the conversion raises the overflow error.
void TestNumbers::cintOverflows()
{
    QFETCH(double, x);
    try {
        CInt(x);
        QFAIL("no overflow raised");
    } catch (const RuntimeError &e) {
        QCOMPARE(e.code(), RuntimeError::Overflow);
    }
}

// 16-bit sums and differences detect overflow.
void TestNumbers::sums16Overflow()
{
    QCOMPARE(add16(5, 5), std::int16_t(10));
    QCOMPARE(sub16(1, 5), std::int16_t(-4));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, add16(32767, 1));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, sub16(-32768, 1));
}

// Numbers are written as plain digits with no blank and no zero fill.
void TestNumbers::cstr()
{
    QCOMPARE(CStr(0), QStringLiteral("0"));
    QCOMPARE(CStr(47), QStringLiteral("47"));
    QCOMPARE(CStr(-3), QStringLiteral("-3"));
}

// The verdict colours are palette entries 12 and 1.
void TestNumbers::qbcolor()
{
    QCOMPARE(QBColor(12), QColor(255, 0, 0));
    QCOMPARE(QBColor(1), QColor(0, 0, 128));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, QBColor(16));
}

// Even the largest draw of the generator stays below 1.
void TestNumbers::randomNeverReachesOne()
{
    QVERIFY(ClockRandom::fromBits(~std::uint64_t(0)) < 1.0f);
    QCOMPARE(ClockRandom::fromBits(0), 0.0f);
    ClockRandom random;
    for (int i = 0; i < 100000; ++i) {
        const float r = random.next();
        QVERIFY(r >= 0.0f && r < 1.0f);
    }
}

// Two presses within the same second still get different problems.
void TestNumbers::reseedsInQuickSuccessionDrawDifferently()
{
    ClockRandom random;
    std::vector<float> firsts;
    for (int i = 0; i < 20; ++i) {
        random.reseed();
        firsts.push_back(random.next());
    }
    std::sort(firsts.begin(), firsts.end());
    QVERIFY(std::adjacent_find(firsts.begin(), firsts.end()) == firsts.end());
}

void TestNumbers::drawStaysInRangeAtBothEnds_data()
{
    QTest::addColumn<int>("n");
    QTest::newRow("hours") << 5;
    QTest::newRow("minutes") << 58;
}

// Int(r * N + 1) gives 1 for the smallest r and N for the largest.
void TestNumbers::drawStaysInRangeAtBothEnds()
{
    QFETCH(int, n);
    const float lowest = ClockRandom::fromBits(0);
    const float highest = ClockRandom::fromBits(~std::uint64_t(0));
    QCOMPARE(CInt(Int(double(lowest) * n + 1)), std::int16_t(1));
    QCOMPARE(CInt(Int(double(highest) * n + 1)), std::int16_t(n));
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
