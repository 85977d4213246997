// SPDX-License-Identifier: MIT
#include "screens/icons.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <map>
#include <tuple>

namespace poniruka {

using layout::Picture;

namespace {

QString source(Picture which)
{
    switch (which) {
    case Picture::Clock:
        return QStringLiteral(":/poniruka/icons/clock.svg");
    case Picture::Pendulum:
        return QStringLiteral(":/poniruka/icons/pendulum.svg");
    case Picture::None:
        break;
    }
    return {};
}

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

// Sizes of the program's icon: title bars, taskbars and window switchers, at 100 % and 200 %.
constexpr int iconSizes[] = {16, 24, 32, 48, 64};

} // namespace

QImage render(Picture which, QSize devicePixels)
{
    QSvgRenderer renderer(source(which));
    if (!renderer.isValid())
        return {};
    QImage image(devicePixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(), devicePixels));
    return image;
}

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
        for (const int side : iconSizes)
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
