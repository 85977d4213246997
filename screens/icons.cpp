// SPDX-License-Identifier: MIT
#include "screens/icons.h"

#include "screens/icons/clock16.xpm"
#include "screens/icons/clock32.xpm"
#include "screens/icons/pendulum16.xpm"
#include "screens/icons/pendulum32.xpm"

namespace poniruka {

using layout::Picture;

namespace {

QIcon bothSizes(const char *const *large, const char *const *small)
{
    QIcon result;
    result.addPixmap(QPixmap(large));
    result.addPixmap(QPixmap(small));
    return result;
}

} // namespace

QPixmap picture(Picture which)
{
    switch (which) {
    case Picture::Clock:
        return QPixmap(clock32_xpm);
    case Picture::Pendulum:
        return QPixmap(pendulum32_xpm);
    case Picture::None:
        break;
    }
    return {};
}

QIcon icon(Picture which)
{
    // Each icon is built once and shared: Qt caches an icon's scaled pictures
    // under the icon's own identity, so a fresh icon on every load of a screen
    // would leave a new, never reused copy behind each time.
    switch (which) {
    case Picture::Clock: {
        static const QIcon clock = bothSizes(clock32_xpm, clock16_xpm);
        return clock;
    }
    case Picture::Pendulum: {
        static const QIcon pendulum = bothSizes(pendulum32_xpm, pendulum16_xpm);
        return pendulum;
    }
    case Picture::None:
        break;
    }
    return {};
}

QCursor pointer(Picture which)
{
    // The hot spot is the top of the clock's case.
    return QCursor(picture(which), 15, 0);
}

} // namespace poniruka
