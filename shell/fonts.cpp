// SPDX-License-Identifier: MIT
#include "shell/fonts.h"

#include "shell/platform.h"

#include <QStringList>

#include <array>
#include <cmath>

namespace poniruka {

namespace {

struct Substitute
{
    const char *face;    // as the screens name it
    const char *standIn; // the free face with the same character
};

// The pop faces become Reggae One, the Gothic IPA P Gothic; the default face
// is also the last resort for the pop faces on a desktop without Reggae One.
constexpr std::array substitutes {
    Substitute {"ＭＳ Ｐゴシック", "IPAPGothic"},
    Substitute {"HG創英角ﾎﾟｯﾌﾟ体", "Reggae One"},
    Substitute {"HGP創英角ﾎﾟｯﾌﾟ体", "Reggae One"},
    Substitute {"HGS創英角ﾎﾟｯﾌﾟ体", "Reggae One"},
};

} // namespace

void installFontSubstitutes()
{
    for (const Substitute &s : substitutes) {
        QStringList standIns {QString::fromUtf8(s.standIn)};
        const QString defaultFace = QString::fromUtf8(platform::defaultFace());
        if (standIns.front() != defaultFace)
            standIns << defaultFace;
        QFont::insertSubstitutions(QString::fromUtf8(s.face), standIns);
    }
}

QFont qtFont(const layout::Font &font)
{
    QFont result(QString::fromUtf8(font.face ? font.face : platform::defaultFace()));
    // In pixels, like the boxes: text and boxes scale together at any font
    // DPI. Every size of the screens is a whole pixel at 96 dpi (9.75 pt is
    // 13 px).
    result.setPixelSize(int(std::lround(font.points * 96 / 72)));
    result.setWeight(QFont::Weight(font.weight));
    return result;
}

} // namespace poniruka
