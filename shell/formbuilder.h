// SPDX-License-Identifier: MIT
#pragma once

#include "screens/layout.h"

namespace poniruka {

class FormWindow;

/// Twips to logical pixels: 15 twips to a pixel at 96 dpi. Qt's device pixel
/// ratio then scales the whole screen on a high-DPI desktop.
constexpr int twipsToPixels(int twips)
{
    return (twips + (twips >= 0 ? 7 : -7)) / 15;
}

/// Builds a screen's window and every control of its layout table, each
/// control named after its row. The window is not shown yet.
FormWindow *buildWindow(const layout::Screen &screen);

} // namespace poniruka
