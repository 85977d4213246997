// SPDX-License-Identifier: MIT
#include "shell/numbers.h"
#include "shell/random.h"

#include <QColor>

#include <QTest>

#include <algorithm>
#include <limits>

using namespace poniruka;

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr int overflow = std::numeric_limits<int>::min();

// CInt(x), or `overflow` when it raises the overflow error.
int cintOrOverflow(double x)
{
    try {
        return CInt(x);
    } catch (const RuntimeError &e) {
        if (e.code() != RuntimeError::Overflow)
            throw;
        return overflow;
    }
}

} // namespace

class TestNumbers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void val_data();
    void val();
    void cint_data();
    void cint();
    void sums16Overflow();
    void digitsAndColours();
    void drawStaysInRangeAtBothEnds();
    void reseedsInQuickSuccessionDrawDifferently();
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
    QTest::newRow("plus sign, many leading zeros") << "+" + QString(500, u'0') + "8" << 8.0;
    QTest::newRow("blank after sign") << "- 7" << -7.0;
    QTest::newRow("point first") << ".5" << 0.5;
    QTest::newRow("blanks, tabs and line feeds anywhere") << "\t\n1 2\t3\n4" << 1234.0;
    QTest::newRow("exponent E") << "1e1" << 10.0;
    QTest::newRow("exponent D") << "1d1" << 10.0;
    QTest::newRow("exponent letter without digits") << "3e" << 3.0;
    QTest::newRow("no radix prefix") << "&H10" << 0.0;
    QTest::newRow("no thousands separator") << "1,000" << 1.0;
    QTest::newRow("full-width digit is not a digit") << "７" << 0.0;
    QTest::newRow("tiny number, capital E") << "1E-999" << 0.0;
    QTest::newRow("1e999 is infinite") << "1e999" << infinity;
    QTest::newRow("four hundred nines are infinite") << QString(400, u'9') << infinity;
    QTest::newRow("negative, exponent beyond any integer") << "-1e99999999999999999999" << -infinity;
    QTest::newRow("exponent larger than a megabyte of leading zeros")
        << "0." + QString(1'200'000, u'0') + "1e1500000" << infinity;
}

// Typed text reads as its leading number; one too large for a double is infinite, equal to no whole number.
void TestNumbers::val()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(Val(text), expected);
}

void TestNumbers::cint_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<int>("expected");
    QTest::newRow("half to even, down") << 2.5 << 2;
    QTest::newRow("half to even, up") << 3.5 << 4;
    QTest::newRow("rounded down to the top") << 32767.4 << 32767;
    QTest::newRow("rounded up to the bottom") << -32768.4 << -32768;
    QTest::newRow("above the top") << 32767.5 << overflow;
    QTest::newRow("below the bottom") << -32768.6 << overflow;
    QTest::newRow("infinity") << infinity << overflow;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << overflow;
}

// Conversion to 16 bits rounds halves to even, and raises the overflow error when the result leaves 16 bits.
void TestNumbers::cint()
{
    QFETCH(double, x);
    QFETCH(int, expected);
    QCOMPARE(cintOrOverflow(x), expected);
}

// 16-bit sums and differences raise an error past 16 bits.
void TestNumbers::sums16Overflow()
{
    QCOMPARE(add16(5, 5), std::int16_t(10));
    QCOMPARE(sub16(1, 5), std::int16_t(-4));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, add16(32767, 1));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, sub16(-32768, 1));
}

// Numbers are written as plain digits, no blank and no zero fill; the verdict colours are palette entries 12 and 1.
void TestNumbers::digitsAndColours()
{
    QCOMPARE(QStringList({CStr(-3), CStr(0), CStr(47)}), QStringList({"-3", "0", "47"}));
    QCOMPARE(QBColor(12), QColor(255, 0, 0));
    QCOMPARE(QBColor(1), QColor(0, 0, 128));
    QVERIFY_THROWS_EXCEPTION(RuntimeError, QBColor(16));
}

// Even the largest draw stays below 1: Int(r * N + 1) gives 1 for the smallest r and N for the largest.
void TestNumbers::drawStaysInRangeAtBothEnds()
{
    const double lowest = ClockRandom::fromBits(0);
    const double highest = ClockRandom::fromBits(~std::uint64_t(0));
    for (const int n : {5, 58}) { // hours, minutes
        QCOMPARE(Int(lowest * n + 1), 1.0);
        QCOMPARE(Int(highest * n + 1), double(n));
    }
}

// Two presses within the same second still get different problems, each draw in [0, 1).
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
    QVERIFY(firsts.front() >= 0.0f && firsts.back() < 1.0f);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
