// SPDX-License-Identifier: MIT
#pragma once

// Number reading and writing, 16-bit arithmetic, and the 16-colour palette.
// Plain functions of QString and numbers: the arithmetic of the exercises
// needs no window to use them.

#include "shell/runtimeerror.h"

#include <QString>

#include <cstdint>

class QColor;

namespace poniruka {

/// The greatest whole number not above x.
double Int(double x);
/// A whole number as plain decimal digits, "-" before a negative.
QString CStr(long long n);
/// The number at the start of a text: blanks anywhere are skipped, then an
/// optional sign, digits, a decimal point with digits and an exponent (E or D)
/// are read as far as they go. No number reads 0. A number too large for a
/// double reads as an infinity, which equals no whole number.
double Val(const QString &text);
/// x rounded to the nearest whole number, halves to even; outside
/// -32768..32767 (or not a number) it raises an overflow error.
std::int16_t CInt(double x);
/// 16-bit sums and differences that raise an overflow error.
std::int16_t add16(std::int16_t a, std::int16_t b);
std::int16_t sub16(std::int16_t a, std::int16_t b);
/// An entry of the 16-colour palette, 0 to 15.
QColor QBColor(int entry);

} // namespace poniruka
