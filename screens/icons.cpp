// SPDX-License-Identifier: MIT
#include "screens/icons.h"

#include "screens/icons/clock16.xpm"
#include "screens/icons/clock32.xpm"
#include "screens/icons/pendulum16.xpm"
#include "screens/icons/pendulum32.xpm"

namespace poniruka {

using layout::Picture;

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
    QIcon result;
    switch (which) {
    case Picture::Clock:
        result.addPixmap(QPixmap(clock32_xpm));
        result.addPixmap(QPixmap(clock16_xpm));
        break;
    case Picture::Pendulum:
        result.addPixmap(QPixmap(pendulum32_xpm));
        result.addPixmap(QPixmap(pendulum16_xpm));
        break;
    case Picture::None:
        break;
    }
    return result;
}

QCursor pointer(Picture which)
{
    // The hot spot is the top of the clock's case.
    return QCursor(picture(which), 15, 0);
}

} // namespace poniruka
