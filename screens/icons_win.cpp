// SPDX-License-Identifier: MIT
// Pictures drawn at build time, from the same vector sources, at each size
// the screens show them at 100, 125, 150 and 200 %: the program needs no SVG
// renderer. A size not drawn (an unusual scale) is scaled, smoothly, from the
// nearest larger drawing.
#include "screens/icons.h"

#include <QDir>
#include <QRegularExpression>

#include <vector>

// The drawings are compiled into the program's static library, which the
// linker would leave out unless something asks for them.
static bool addPictures()
{
    Q_INIT_RESOURCE(poniruka_pictures);
    return true;
}

namespace poniruka {

using layout::Picture;

QImage render(Picture which, QSize devicePixels)
{
    static const bool added = addPictures();
    if (which == Picture::None || devicePixels.isEmpty() || !added)
        return {};
    const QString stem = QString::fromLatin1(pictureStem(which));
    const QString folder = QStringLiteral(":/poniruka/pictures/");
    QImage exact(
        folder + QStringLiteral("%1-%2x%3.png").arg(stem).arg(devicePixels.width()).arg(devicePixels.height()));
    if (!exact.isNull())
        return exact.convertToFormat(QImage::Format_ARGB32_Premultiplied);

    static const QRegularExpression name(QStringLiteral("^(\\w+)-(\\d+)x(\\d+)\\.png$"));
    QString best;
    int bestWidth = 0;
    for (const QString &file : QDir(folder).entryList(QDir::Files)) {
        const QRegularExpressionMatch match = name.match(file);
        if (!match.hasMatch() || match.captured(1) != stem)
            continue;
        const int width = match.captured(2).toInt();
        // The smallest drawing at least as wide, else the widest there is.
        const bool better = bestWidth == 0
            || (width >= devicePixels.width() ? bestWidth < devicePixels.width() || width < bestWidth
                                              : width > bestWidth);
        if (better) {
            best = file;
            bestWidth = width;
        }
    }
    if (best.isEmpty())
        return {};
    return QImage(folder + best)
        .scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace poniruka
