// SPDX-License-Identifier: MIT
#pragma once

#include "screens/layout.h"

#include <QFont>

namespace poniruka {

/// Teaches Qt which installed face stands in for each face the screens name
/// where this desktop lacks it, or where it cannot have it, has qtFont() name
/// the stand-in directly. A desktop that has the named face uses it. Call
/// once, before the first screen is built.
void installFontSubstitutes();

/// A layout font as Qt's: its face (or the platform's default face, which has
/// Japanese glyphs, half-width katakana included), its size as
/// pixels at 96 dpi, and its weight.
QFont qtFont(const layout::Font &font);

} // namespace poniruka
