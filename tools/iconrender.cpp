// SPDX-License-Identifier: MIT
// Draws the program's icon files from the clock face's vector source at build
// time, so that no drawn copy is kept by hand:
//
//   poniruka_iconrender OUTDIR NAME
//   poniruka_iconrender --pictures OUTDIR
//
// The first writes OUTDIR/hicolor/<n>x<n>/apps/NAME.png for the icon theme
// and OUTDIR/clock.ico, the Windows icon with a 32 × 32 and a 16 × 16 image
// of the standard 16 colours. The second draws every picture at each size
// the screens show it, at 100, 125, 150 and 200 %, as
// OUTDIR/<picture>-<width>x<height>.png, listed in OUTDIR/pictures.qrc: the
// pictures of a program built without an SVG renderer.
#include "screens/icons.h"
#include "shell/formbuilder.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <set>
#include <tuple>
#include <vector>

using poniruka::layout::Picture;

namespace {

// The standard 16-colour palette, in the order a 4-bit Windows bitmap uses.
constexpr QRgb palette[16] = {0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080,
    0xffc0c0c0, 0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff};

int nearest(QRgb c)
{
    int best = 0, bestDistance = INT_MAX;
    for (int i = 0; i < 16; ++i) {
        const int dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                  db = qBlue(c) - qBlue(palette[i]);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void put16(QByteArray &out, int v)
{
    out.append(char(v & 0xff)).append(char((v >> 8) & 0xff));
}

void put32(QByteArray &out, int v)
{
    put16(out, v & 0xffff);
    put16(out, (v >> 16) & 0xffff);
}

constexpr int transparent = 16;

// A 16-colour picture of `side` pixels, each pixel the colour that most of its
// block shows in a drawing four times as large. Ink (the rim, the marks, the
// hands) outweighs the white dial and the clear background three to one, so
// that thin hands stay whole instead of fading into the dial.
std::vector<int> sixteenColours(int side)
{
    constexpr int scale = 4;
    const QImage large
        = poniruka::render(Picture::Clock, {side * scale, side * scale}).convertToFormat(QImage::Format_ARGB32);
    std::vector<int> indices(std::size_t(side * side));
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            int votes[17] = {};
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx) {
                    const QRgb c = large.pixel(x * scale + dx, y * scale + dy);
                    const int index = qAlpha(c) < 128 ? transparent : nearest(c);
                    votes[index] += index == transparent || index == 15 ? 1 : 3;
                }
            }
            indices[std::size_t(y * side + x)] = int(std::max_element(votes, votes + 17) - votes);
        }
    }
    return indices;
}

// One icon image: a bitmap header of double height (colours, then mask), the
// palette, the 4-bit colour rows and the 1-bit transparency mask, both rows
// bottom-up and padded to four bytes.
QByteArray iconImage(int side)
{
    const std::vector<int> indices = sixteenColours(side);
    const int colourRow = (side * 4 + 31) / 32 * 4, maskRow = (side + 31) / 32 * 4;
    QByteArray colours(colourRow * side, '\0'), mask(maskRow * side, '\0');
    for (int y = 0; y < side; ++y) {
        const int row = side - 1 - y;
        for (int x = 0; x < side; ++x) {
            const int index = indices[std::size_t(y * side + x)];
            if (index == transparent) {
                char &bits = mask[row * maskRow + x / 8];
                bits = char(bits | (0x80 >> (x % 8)));
                continue; // colour 0 under a set mask bit: transparent
            }
            char &byte = colours[row * colourRow + x / 2];
            byte = char(byte | (x % 2 ? index : index << 4));
        }
    }
    QByteArray out;
    put32(out, 40);
    put32(out, side);
    put32(out, side * 2);
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);
    put32(out, int(colours.size() + mask.size()));
    put32(out, 0);
    put32(out, 0);
    put32(out, 16);
    put32(out, 0);
    for (const QRgb c : palette)
        out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    return out + colours + mask;
}

QByteArray windowsIcon()
{
    const int sides[] = {32, 16};
    std::vector<QByteArray> images;
    for (const int side : sides)
        images.push_back(iconImage(side));
    QByteArray out;
    put16(out, 0);
    put16(out, 1); // an icon
    put16(out, int(images.size()));
    int offset = 6 + 16 * int(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.append(char(sides[i])).append(char(sides[i])).append(char(16)).append('\0');
        put16(out, 1);
        put16(out, 4);
        put32(out, int(images[i].size()));
        put32(out, offset);
        offset += int(images[i].size());
    }
    for (const QByteArray &image : images)
        out += image;
    return out;
}

bool write(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

using Drawing = std::tuple<Picture, int, int>; // a picture and its size in device pixels

// Every picture of every screen at the size it is shown: stretched images at
// their boxes' size, picture boxes and pointers at the picture's own, window
// icons at the icon's sizes; each at the usual desktop scales.
std::set<Drawing> drawingsInUse()
{
    namespace layout = poniruka::layout;
    std::set<std::tuple<Picture, int, int>> logical;
    for (const layout::Screen *screen :
        {&layout::frmSplashtime(), &layout::frmmein(), &layout::frmAbout(), &layout::frmtime(), &layout::frmtime2()}) {
        for (const layout::Control &c : screen->controls) {
            if (c.kind == layout::Kind::Image)
                logical.insert(
                    {c.picture, poniruka::twipsToPixels(c.place.width), poniruka::twipsToPixels(c.place.height)});
            else if (c.kind == layout::Kind::PictureBox)
                logical.insert({c.picture, poniruka::naturalSize.width(), poniruka::naturalSize.height()});
        }
        logical.insert({screen->window.pointer, poniruka::naturalSize.width(), poniruka::naturalSize.height()});
        for (const int side : poniruka::iconSides)
            logical.insert({screen->window.icon, side, side});
    }
    std::set<Drawing> drawings;
    for (const auto &[which, width, height] : logical) {
        if (which == Picture::None)
            continue;
        for (const qreal scale : {1.0, 1.25, 1.5, 2.0}) {
            const QSize device = QSize(width, height) * scale; // rounded as the program rounds
            drawings.insert({which, device.width(), device.height()});
        }
    }
    return drawings;
}

bool writePictures(const QString &out)
{
    QByteArray qrc = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/poniruka/pictures\">\n";
    bool ok = QDir().mkpath(out);
    for (const auto &[which, width, height] : drawingsInUse()) {
        const QString file
            = QStringLiteral("%1-%2x%3.png").arg(QLatin1String(poniruka::pictureStem(which))).arg(width).arg(height);
        ok = poniruka::render(which, {width, height}).save(out + QLatin1Char('/') + file) && ok;
        qrc += "    <file>" + file.toLatin1() + "</file>\n";
    }
    qrc += "</qresource>\n</RCC>\n";
    return write(out + QStringLiteral("/pictures.qrc"), qrc) && ok;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fputs("usage: poniruka_iconrender OUTDIR NAME\n       poniruka_iconrender --pictures OUTDIR\n", stderr);
        return 2;
    }
    if (qstrcmp(argv[1], "--pictures") == 0) {
        if (writePictures(QString::fromLocal8Bit(argv[2])))
            return 0;
        std::fprintf(stderr, "poniruka_iconrender: cannot write into %s\n", argv[2]);
        return 1;
    }
    const QString out = QString::fromLocal8Bit(argv[1]), name = QString::fromLocal8Bit(argv[2]);
    bool ok = true;
    for (const int side : {16, 32, 48, 64, 128, 256}) {
        const QString path = QStringLiteral("%1/hicolor/%2x%2/apps/%3.png").arg(out).arg(side).arg(name);
        ok = QDir().mkpath(QFileInfo(path).path()) && poniruka::render(Picture::Clock, {side, side}).save(path) && ok;
    }
    ok = write(out + QStringLiteral("/clock.ico"), windowsIcon()) && ok;
    if (!ok)
        std::fprintf(stderr, "poniruka_iconrender: cannot write into %s\n", argv[1]);
    return ok ? 0 : 1;
}
