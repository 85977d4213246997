// SPDX-License-Identifier: MIT
// Pictures drawn from their vector sources, at whatever size is asked for.
#include "screens/icons.h"

#include <QPainter>
#include <QSvgRenderer>

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

} // namespace poniruka
