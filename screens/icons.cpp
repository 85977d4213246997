// SPDX-License-Identifier: MIT
#include "screens/icons.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <map>
#include <tuple>

namespace poniruka {

using layout::Picture;

namespace {

/// What has been handed out, kept until the application goes.
struct Shared
{
    std::map<std::tuple<Picture, int, int, qreal>, QPixmap> pictures;
    std::map<Picture, QIcon> icons;
    std::map<Picture, QCursor> pointers;
};

Shared &shared()
{
    static Shared *const instance = [] {
        // Pixmaps and pointers must not outlive the application they were made for.
        qAddPostRoutine([] { shared() = {}; });
        return new Shared;
    }();
    return *instance;
}

} // namespace

QPixmap picture(Picture which, QSize size)
{
    const qreal ratio = qApp->devicePixelRatio();
    QPixmap &pixmap = shared().pictures[{which, size.width(), size.height(), ratio}];
    if (pixmap.isNull() && which != Picture::None) {
        QImage image = render(which, size * ratio);
        image.setDevicePixelRatio(ratio);
        pixmap = QPixmap::fromImage(std::move(image));
    }
    return pixmap;
}

QIcon icon(Picture which)
{
    QIcon &result = shared().icons[which];
    if (!result.isNull())
        return result;
    if (which == Picture::None) {
        QPixmap blank(16, 16);
        blank.fill(Qt::transparent);
        result.addPixmap(blank);
    } else {
        for (const int side : iconSides)
            result.addPixmap(QPixmap::fromImage(render(which, {side, side})));
    }
    return result;
}

QCursor pointer(Picture which)
{
    const auto [place, added] = shared().pointers.try_emplace(which);
    if (added) {
        // The hot spot, in logical pixels, is the top of the clock's case.
        place->second = QCursor(picture(which), 16, 1);
    }
    return place->second;
}

} // namespace poniruka
