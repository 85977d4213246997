// SPDX-License-Identifier: MIT
#pragma once

// A screen's layout as plain data: places and sizes in twips (15 to a pixel
// at 96 dpi), text sizes in points, colours in RGB. The builder in shell/
// turns one of these into a window with its controls each time the screen
// loads.

#include <optional>
#include <span>

namespace poniruka::layout {

enum class Kind { Button, Label, TextBox, Frame, Image, PictureBox, Line, Timer };

enum class Border {
    Sizable,     // the user can drag the border
    FixedSingle, // thin border, fixed size
    FixedDialog, // dialog frame, fixed size
};

enum class Align { Left, Right, Center };

struct Rgb
{
    int r = 0, g = 0, b = 0;
    friend constexpr bool operator==(const Rgb &, const Rgb &) = default;
};

/// A face, a size in points and a weight. An empty face means the default face.
struct Font
{
    const char *face = nullptr;
    double points = 9.0;
    int weight = 400;
};

/// Left, top, width and height in twips, from the container's interior.
/// For a line: x1, y1, x2, y2.
struct Rect
{
    int left = 0, top = 0, width = 0, height = 0;
};

/// A picture known to the program (see screens/icons.h).
enum class Picture { None, Clock, Pendulum };

/// What a picture shows, as a screen reader names it.
constexpr const char *pictureName(Picture p)
{
    switch (p) {
    case Picture::Clock:
        return "とけい";
    case Picture::Pendulum:
        return "ふりこどけい";
    case Picture::None:
        break;
    }
    return nullptr;
}

struct Control
{
    const char *name = "";
    Kind kind = Kind::Label;
    const char *text = "";
    Rect place {};
    const char *container = nullptr; // a frame's name, or the window
    int tab = -1;                    // place in the tab order, -1 for none
    std::optional<Font> font {};     // the screen's default font when unset
    std::optional<Rgb> fore {};
    std::optional<Rgb> back {};
    Align align = Align::Left;
    bool autoSize = false;
    Picture picture = Picture::None;
    int interval = 0;       // timers, in milliseconds
    int lineWidth = 1;      // lines, in pixels
    bool enterKey = false;  // buttons: pressed by Enter unless another button has the focus
    bool escapeKey = false; // buttons: pressed by Esc wherever the focus is
    bool imeOff = false;    // text boxes: keep the input method off
    int index = -1;         // element of a control array, -1 for none

    // What a screen reader tells of the control beyond its text, in the
    // kana a child reads. A control's text is its name.
    const char *accessibleName = nullptr; // a text box: what goes in it (a picture names itself)
    const char *description = nullptr;    // what the control shows or does
    const char *describedBy = nullptr;    // a label whose text says what the control does
    const char *buddy = nullptr;          // labels: the control this label names
    bool announce = false;                // labels: each new text is spoken wherever the focus is
};

struct Window
{
    const char *name = "";
    const char *title = "";
    int width = 0, height = 0; // interior, in twips
    Border border = Border::Sizable;
    bool titleBar = true;
    bool closeBox = true;
    bool taskbarButton = true;
    std::optional<Rgb> back {};
    Picture icon = Picture::None;
    Picture pointer = Picture::None;
    bool keyPreview = false;
    std::optional<Font> font {};   // default font of the screen's controls
    bool dialog = false;           // a screen reader hears a dialog rather than a window
    const char *namedBy = nullptr; // a window without a title is named by this label's text
};

struct Screen
{
    Window window;
    std::span<const Control> controls;
};

// One table per screen.
const Screen &frmSplashtime();
const Screen &frmmein();
const Screen &frmAbout();
const Screen &frmtime();
const Screen &frmtime2();

} // namespace poniruka::layout
