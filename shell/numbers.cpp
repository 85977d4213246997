// SPDX-License-Identifier: MIT
// Number reading and writing, and the 16-colour palette.
#include "shell/numbers.h"

#include <QColor>

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace poniruka {

double Int(double x)
{
    return std::floor(x);
}

QString CStr(long long n)
{
    return QString::number(n);
}

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Reads a text one character at a time, skipping blanks wherever they are.
class Reader
{
public:
    explicit Reader(const QString &text) : m_text(text) { skipBlanks(); }

    QChar peek() const { return m_pos < m_text.size() ? m_text[m_pos] : QChar(); }
    void take()
    {
        ++m_pos;
        skipBlanks();
    }
    qsizetype pos() const { return m_pos; }
    void rewind(qsizetype pos) { m_pos = pos; }

private:
    void skipBlanks()
    {
        while (m_pos < m_text.size() && isBlank(m_text[m_pos]))
            ++m_pos;
    }

    const QString &m_text;
    qsizetype m_pos = 0;
};

} // namespace

double Val(const QString &text)
{
    Reader in(text);

    bool negative = false;
    if (in.peek() == u'+' || in.peek() == u'-') {
        negative = in.peek() == u'-';
        in.take();
    }

    std::string intDigits;
    std::string fracDigits;
    while (isDigit(in.peek())) {
        intDigits += char(in.peek().unicode());
        in.take();
    }
    if (in.peek() == u'.') {
        in.take();
        while (isDigit(in.peek())) {
            fracDigits += char(in.peek().unicode());
            in.take();
        }
    }
    if (intDigits.empty() && fracDigits.empty())
        return 0.0;

    // An exponent counts only when at least one digit follows its letter.
    std::int64_t exponent = 0;
    const QChar e = in.peek().toUpper();
    if (e == u'E' || e == u'D') {
        const qsizetype mark = in.pos();
        in.take();
        bool negativeExponent = false;
        if (in.peek() == u'+' || in.peek() == u'-') {
            negativeExponent = in.peek() == u'-';
            in.take();
        }
        if (isDigit(in.peek())) {
            while (isDigit(in.peek())) {
                // Saturating keeps the arithmetic safe. The bound is far beyond
                // any double, even where a text's worth of leading zeros moves
                // the first digit down.
                exponent = std::min(exponent * 10 + (in.peek().unicode() - u'0'), std::int64_t(1'000'000'000'000'000));
                in.take();
            }
            if (negativeExponent)
                exponent = -exponent;
        } else {
            in.rewind(mark);
        }
    }

    const std::string number
        = (intDigits.empty() ? "0" : intDigits) + "." + fracDigits + "e" + std::to_string(exponent);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // Too large or too small for a double: which one depends on where the
        // first significant digit stands.
        const auto firstInt = intDigits.find_first_not_of('0');
        std::int64_t magnitude;
        if (firstInt != std::string::npos) {
            magnitude = std::int64_t(intDigits.size() - firstInt) + exponent;
        } else {
            const auto firstFrac = fracDigits.find_first_not_of('0');
            if (firstFrac == std::string::npos)
                return 0.0;
            magnitude = -std::int64_t(firstFrac) + exponent;
        }
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

std::int16_t CInt(double x)
{
    // The default rounding mode rounds halves to even.
    const double r = std::nearbyint(x);
    if (!(r >= -32768.0 && r <= 32767.0))
        throw RuntimeError::of(RuntimeError::Overflow);
    return static_cast<std::int16_t>(r);
}

std::int16_t add16(std::int16_t a, std::int16_t b)
{
    return CInt(double(a) + double(b));
}

std::int16_t sub16(std::int16_t a, std::int16_t b)
{
    return CInt(double(a) - double(b));
}

QColor QBColor(int entry)
{
    static constexpr std::array<QRgb, 16> palette {
        0x000000,
        0x000080,
        0x008000,
        0x008080,
        0x800000,
        0x800080,
        0x808000,
        0xC0C0C0,
        0x808080,
        0x0000FF,
        0x00FF00,
        0x00FFFF,
        0xFF0000,
        0xFF00FF,
        0xFFFF00,
        0xFFFFFF,
    };
    if (entry < 0 || entry >= int(palette.size()))
        throw RuntimeError::of(RuntimeError::InvalidProcedureCall);
    return QColor(palette[std::size_t(entry)]);
}

} // namespace poniruka
