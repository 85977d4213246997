// SPDX-License-Identifier: MIT
#include "shell/fonts.h"

#include <QStringList>

#include <array>

namespace poniruka {

namespace {

struct Substitute
{
    const char *face;    // as the screens name it
    const char *standIn; // the free face with the same character
};

// The pop faces become Reggae One, the Gothic IPA P Gothic; IPA P Gothic is
// also the last resort for the pop faces on a desktop without Reggae One.
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
        if (standIns.front() != QLatin1String(defaultFace))
            standIns << QString::fromLatin1(defaultFace);
        QFont::insertSubstitutions(QString::fromUtf8(s.face), standIns);
    }
}

QFont qtFont(const layout::Font &font)
{
    QFont result(QString::fromUtf8(font.face ? font.face : defaultFace));
    result.setPointSizeF(font.points); // 9.75 pt stays 9.75 pt
    result.setWeight(QFont::Weight(font.weight));
    return result;
}

} // namespace poniruka
