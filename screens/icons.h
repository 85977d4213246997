// SPDX-License-Identifier: MIT
#pragma once

#include "screens/layout.h"

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>

namespace poniruka {

/// A picture at `devicePixels`, stretched to fill it; transparent around the
/// clock. For Picture::None, a null image. Drawn from its vector source where
/// the platform has an SVG renderer, from drawings made at build time where
/// it has not.
QImage render(layout::Picture which, QSize devicePixels);

/// The file-name stem of a picture: "clock", "pendulum".
constexpr const char *pictureStem(layout::Picture which)
{
    switch (which) {
    case layout::Picture::Clock:
        return "clock";
    case layout::Picture::Pendulum:
        return "pendulum";
    case layout::Picture::None:
        break;
    }
    return "";
}

/// The sides of the program's icon: title bars, taskbars and window
/// switchers, at 100 % and 200 %.
inline constexpr int iconSides[] = {16, 24, 32, 48, 64};
/// A picture's own size, where a control does not stretch it.
inline constexpr QSize naturalSize {32, 32};

/// A picture at `size` logical pixels (32 × 32 unless a control stretches
/// it), drawn at the application's device pixel ratio: on a 200 % desktop the
/// 32-pixel clock face is drawn 64 pixels wide, not enlarged from 32.
QPixmap picture(layout::Picture which, QSize size = naturalSize);
/// A picture as an icon, drawn at each size a title bar, a taskbar or a
/// window switcher asks for when it first asks. Picture::None gives a
/// transparent icon, so that a window without an icon of its own does not
/// show the program's.
QIcon icon(layout::Picture which);
/// A picture as a mouse pointer.
QCursor pointer(layout::Picture which);

// picture(), icon() and pointer() hand out one shared object for each
// picture and size: a window system keeps data for each icon and pointer it
// is given, so new ones on every load of a window would pile up.

} // namespace poniruka
