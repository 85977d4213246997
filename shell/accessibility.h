// SPDX-License-Identifier: MIT
#pragma once

// What a screen reader learns of a screen beyond what Qt's widgets tell it:
// windows and dialogs by their titles, names and descriptions in the kana a
// child reads, which label names which answer box, the press action of a
// clickable label or frame, the default button, and a verdict spoken
// wherever the focus is. Nothing here changes the look, the tab order or the
// focus.

namespace poniruka {

class FormWindow;

namespace layout {
struct Screen;
}

/// Lets the screens' windows and controls answer a screen reader as below.
/// Runs before the first window is built: Qt asks a widget for its
/// interface once, and may ask while the widget is being made.
void installAccessibleInterfaces();

/// Gives a window just built from its layout, and its controls, what the
/// layout says a screen reader should hear of them.
void makeAccessible(FormWindow *window, const layout::Screen &screen);

} // namespace poniruka
