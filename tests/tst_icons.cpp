// SPDX-License-Identifier: MIT
// The Windows icon drawn at build time: a 32 × 32 and a 16 × 16 image of the
// standard 16 colours, the right way up, clear around the clock.
#include <QFile>
#include <QImageReader>
#include <QTest>

#include <algorithm>

class TestIcons : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void windowsIcon_data();
    void windowsIcon();
};

void TestIcons::windowsIcon_data()
{
    QTest::addColumn<int>("image");
    QTest::addColumn<int>("side");
    QTest::newRow("32 x 32") << 0 << 32;
    QTest::newRow("16 x 16") << 1 << 16;
}

void TestIcons::windowsIcon()
{
    QFETCH(int, image);
    QFETCH(int, side);
    QFile file(QStringLiteral(PONIRUKA_ICON_FILE));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    // The directory: two images; this one's side, 16 colours, 4 bits a pixel.
    QCOMPARE(bytes.at(4), char(2));
    const char *entry = bytes.constData() + 6 + 16 * image;
    QCOMPARE(int(uchar(entry[0])), side);
    QCOMPARE(int(uchar(entry[2])), 16);
    QCOMPARE(int(uchar(entry[6])), 4);

    QImageReader reader(&file);
    file.seek(0);
    QVERIFY(reader.jumpToImage(image));
    const QImage icon = reader.read().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.size(), QSize(side, side));
    const QList<QColor> standard
        = {Qt::black, Qt::darkRed, Qt::darkGreen, Qt::darkYellow, Qt::darkBlue, Qt::darkMagenta, Qt::darkCyan,
            Qt::lightGray, Qt::darkGray, Qt::red, Qt::green, Qt::yellow, Qt::blue, Qt::magenta, Qt::cyan, Qt::white};
    int redAbove = 0, redBelow = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const QColor c = icon.pixelColor(x, y);
            if (c.alpha() == 0)
                continue;
            QCOMPARE(c.alpha(), 255);
            QVERIFY2(standard.contains(c), qPrintable(c.name()));
            if (c == QColor(Qt::red))
                ++(y < side / 2 ? redAbove : redBelow);
        }
    }
    QCOMPARE(icon.pixelColor(0, 0).alpha(), 0); // clear in the corners
    QCOMPARE(icon.pixelColor(side - 1, side - 1).alpha(), 0);
    QVERIFY(redBelow > redAbove); // the second hand points down, as drawn
}

QTEST_MAIN(TestIcons)
#include "tst_icons.moc"
