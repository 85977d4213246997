// SPDX-License-Identifier: MIT
#include "shell/fonts.h"

#include "shell/platform.h"

#include <QStringList>

#include <array>
#include <cmath>
#include <map>

namespace poniruka {

namespace {

struct Substitute
{
    const char *face;    // as the screens name it
    const char *standIn; // the free face with the same character
    bool pop;            // a display face, for titles and buttons
};

// The pop faces become Reggae One, the Gothic IPA P Gothic; the default face
// is also the last resort for the pop faces on a desktop without Reggae One.
constexpr std::array substitutes {
    Substitute {"ＭＳ Ｐゴシック", "IPAPGothic", false},
    Substitute {"HG創英角ﾎﾟｯﾌﾟ体", "Reggae One", true},
    Substitute {"HGP創英角ﾎﾟｯﾌﾟ体", "Reggae One", true},
    Substitute {"HGS創英角ﾎﾟｯﾌﾟ体", "Reggae One", true},
};

struct StandIns
{
    QStringList faces; // Qt looks for each in its place, in order
    bool unhinted;
};

// Each face the screens name, with what is drawn in its place.
std::map<QString, StandIns> &standIns()
{
    static std::map<QString, StandIns> faces;
    return faces;
}

} // namespace

void installFontSubstitutes()
{
    const QString defaultFace = QString::fromUtf8(platform::defaultFace());
    for (const Substitute &s : substitutes) {
        const QString face = QString::fromUtf8(s.face);
        QStringList faces;
        if (platform::mayHaveDesignFaces())
            faces << face;
        faces << QString::fromUtf8(s.standIn);
        if (!faces.contains(defaultFace))
            faces << defaultFace;
        standIns()[face] = {faces, s.pop && !platform::hintsPopFaces()};
    }
}

QFont qtFont(const layout::Font &font)
{
    const QString face = QString::fromUtf8(font.face ? font.face : platform::defaultFace());
    QFont result;
    if (const auto found = standIns().find(face); found != standIns().end()) {
        result.setFamilies(found->second.faces);
        if (found->second.unhinted)
            result.setHintingPreference(QFont::PreferNoHinting);
    } else {
        result.setFamily(face);
    }
    // In pixels, like the boxes: text and boxes scale together at any font
    // DPI. Every size of the screens is a whole pixel at 96 dpi (9.75 pt is
    // 13 px).
    result.setPixelSize(int(std::lround(font.points * 96 / 72)));
    result.setWeight(QFont::Weight(font.weight));
    // Japanese and Latin text draws the same unshaped, and sooner: no
    // OpenType tables are read before the first screen's text is drawn.
    result.setStyleStrategy(QFont::PreferNoShaping);
    return result;
}

} // namespace poniruka
