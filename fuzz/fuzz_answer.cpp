// SPDX-License-Identifier: MIT
// Whatever a child types into the answer boxes is read and judged without a
// crash, and every reading agrees with a second reader written here on its
// own, plainly: blanks (space, tab, line feed) do not count wherever they
// stand; then come a sign, digits, a point, digits, and an exponent (E or D,
// a sign, digits) that counts only with a digit after its letter. The C
// library's strtod turns what was read into the nearest double, and into an
// infinity when the number is too large for one.
#include "quiz/quizsteps.h"
#include "shell/numbers.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

double referenceVal(const QString &text)
{
    std::u16string s;
    for (const QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n')
            s += c.unicode();
    std::size_t i = 0;
    const auto is = [&](std::size_t at, std::u16string_view any) {
        return at < s.size() && any.find(s[at]) != std::u16string_view::npos;
    };
    constexpr std::u16string_view digit = u"0123456789";

    std::string number;
    if (is(i, u"+-"))
        number += char(s[i++]);
    std::size_t digits = 0;
    for (; is(i, digit); ++digits)
        number += char(s[i++]);
    if (is(i, u".")) {
        number += char(s[i++]);
        for (; is(i, digit); ++digits)
            number += char(s[i++]);
    }
    if (digits == 0)
        return 0.0;
    if (is(i, u"EeDd")) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (is(j, u"+-"))
            exponent += char(s[j++]);
        if (is(j, digit)) {
            while (is(j, digit))
                exponent += char(s[j++]);
            number += exponent;
        }
    }
    return std::strtod(number.c_str(), nullptr);
}

[[noreturn]] void disagree(const QString &text, const QString &what)
{
    std::fprintf(stderr, "%s on \"%s\"\n", what.toUtf8().constData(), text.toUtf8().constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    using namespace poniruka;
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const double value = Val(text), reference = referenceVal(text);
    if (value != reference)
        disagree(text, QStringLiteral("Val %1, the reference %2").arg(value, 0, 'g', 17).arg(reference, 0, 'g', 17));

    // The two halves as hours and minutes, against the answer 5:06.
    const QString hours = text.left(text.size() / 2), minutes = text.mid(text.size() / 2);
    const Verdict expected = hours.isEmpty() && minutes.isEmpty() ? Verdict::Empty
        : referenceVal(hours) == 5 && referenceVal(minutes) == 6  ? Verdict::Right
                                                                  : Verdict::Wrong;
    if (judge(QuizState {1, 2, 3, 4, 5, 6}, hours, minutes) != expected)
        disagree(text, QStringLiteral("A verdict other than the reference's"));
    return 0;
}
