// SPDX-License-Identifier: MIT
#pragma once

#include "screens/layout.h"

#include <QFont>

namespace poniruka {

/// Gives each face the screens name the installed faces that stand in for it,
/// for qtFont(): after the named face where the desktop may have it, alone
/// where it cannot. Call once, before the first screen is built.
void installFontSubstitutes();

/// A layout font as Qt's: its face (or the platform's default face, which has
/// Japanese glyphs, half-width katakana included), its size as
/// pixels at 96 dpi, and its weight.
QFont qtFont(const layout::Font &font);

} // namespace poniruka
