// SPDX-License-Identifier: MIT
#include "screens/icons.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIconEngine>
#include <QPainter>

#include <map>
#include <tuple>
#include <utility>

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

// A picture as an icon, drawn at a size only when a title bar, a taskbar or a
// window switcher first asks for it, then kept: the program's icon is given
// before the splash shows, which has none, and most sizes are never asked for.
// Every mode looks the same: a window's icon is never drawn disabled.
class PictureIcon : public QIconEngine
{
public:
    explicit PictureIcon(Picture which) : m_which(which) { }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        QPixmap &drawn = m_drawn[{size.width(), size.height()}];
        if (drawn.isNull() && !size.isEmpty())
            drawn = QPixmap::fromImage(render(m_which, size));
        return drawn;
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device()->devicePixelRatio();
        painter->drawPixmap(rect, pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int side : iconSides)
            sizes << QSize(side, side);
        return sizes;
    }
    QIconEngine *clone() const override { return new PictureIcon(*this); }

private:
    Picture m_which;
    std::map<std::pair<int, int>, QPixmap> m_drawn;
};

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
        result = QIcon(new PictureIcon(which));
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
