// SPDX-License-Identifier: MIT
// Each screen as a child sees it, pixel for pixel against its picture in docs/screenshots/, the README's pictures.
//
//   tst_pictures                 # compares; a difference leaves NAME-actual.png and NAME-diff.png here
//   tst_pictures --regenerate    # writes the pictures anew (tools/screenshots.sh runs this)
#include "fakes.h"

#include "info/frmabout.h"
#include "info/frmsplashtime.h"
#include "quiz/frmtime.h"
#include "quiz/frmtime2.h"
#include "shell/frmmein.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QHash>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

using namespace poniruka;
using namespace poniruka::test;

namespace {

bool regenerating = false;

/// Where two pictures differ: how many pixels, within which bounds, and the reference faded with them in magenta.
struct Difference
{
    int pixels = 0;
    QRect box;
    QImage image;
};

Difference compare(const QImage &expected, const QImage &actual)
{
    Difference d {0, {}, QImage(expected.size().expandedTo(actual.size()), QImage::Format_RGB32)};
    for (int y = 0; y < d.image.height(); ++y)
        for (int x = 0; x < d.image.width(); ++x) {
            const QRgb e = expected.valid(x, y) ? expected.pixel(x, y) : 0;
            const int faded = 192 + qGray(e) / 4;
            const bool same = expected.valid(x, y) && actual.valid(x, y) && e == actual.pixel(x, y);
            d.image.setPixel(x, y, same ? qRgb(faded, faded, faded) : qRgb(255, 0, 255));
            if (!same) {
                ++d.pixels;
                d.box |= QRect(x, y, 1, 1);
            }
        }
    return d;
}

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(qApp->devicePixelRatio(), 1.0);
        // Without its two faces a screen is drawn in no font at all: say which package is missing.
        const QStringList families = QFontDatabase::families();
        QVERIFY2(families.contains("IPAPGothic"), "no IPA P Gothic: install fonts-ipafont-gothic (tools/packages.sh)");
        QVERIFY2(families.contains("Reggae One"), "no Reggae One: install fonts-reggae (tools/packages.sh)");
        QApplication::setCursorFlashTime(0); // the text cursor stays drawn instead of blinking
    }

    void screens_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QList<int>>("drawn"); // "ちょうせん" pressed to draw ji1, hun1, ji2, hun2; none: as loaded
        QTest::addColumn<QStringList>("typed"); // then typed into the boxes and "こたえる" pressed
        const auto row = [](const char *picture, const char *screen, QList<int> drawn = {}, QStringList typed = {}) {
            QTest::newRow(picture) << QString(screen) << drawn << typed;
        };
        row("splash", "frmSplashtime");
        row("frmmein", "frmmein");
        row("frmabout", "frmAbout");
        row("frmtime", "frmtime");
        row("frmtime-posed", "frmtime", {3, 20, 2, 15});
        row("frmtime-wrong", "frmtime", {3, 20, 2, 15}, {"1", "5"}); // subtracted
        row("frmtime-right", "frmtime", {3, 20, 2, 15}, {"5", "35"});
        row("frmtime2", "frmtime2");
        row("frmtime2-posed", "frmtime2", {5, 40, 2, 15});
        row("frmtime2-wrong", "frmtime2", {5, 40, 2, 15}, {"7", "55"}); // added
        row("frmtime2-right", "frmtime2", {5, 40, 2, 15}, {"3", "25"});
    }

    // Each screen draws exactly its picture: at load, with a problem posed, and with a wrong and a right answer.
    void screens()
    {
        QFETCH(QString, screen);
        QFETCH(QList<int>, drawn);
        QFETCH(QStringList, typed);
        FakeWorld world;
        Program program(world.services(), AppInfo {"ぽにるか", 1, 0, 0}); // a new version is not a new look
        Forms &f = program.forms();
        Form *form = QHash<QString, Form *> {{"frmSplashtime", &f.frmSplashtime()}, {"frmmein", &f.frmmein()},
            {"frmAbout", &f.frmAbout()}, {"frmtime", &f.frmtime()}, {"frmtime2", &f.frmtime2()}}[screen];
        program.runtime().run([&] { program.runtime().Show(*form); });
        if (screen == "frmSplashtime")
            form->control<QTimer>("tmrinfo")->stop(); // the splash stays for its picture
        QVERIFY(QTest::qWaitForWindowActive(form->window()));
        if (!drawn.isEmpty()) {
            world.random->problem(drawn);
            form->control<QPushButton>("cmdst")->click(); // not with the pointer, which would leave it hovering
        }
        if (!typed.isEmpty()) {
            QTest::keyClicks(form->control("txtji3"), typed[0]);
            QTest::keyClicks(form->control("txthun3"), typed[1]);
            form->control<QPushButton>("cmdok")->click();
        }
        const QImage actual = form->window()->grab().toImage().convertToFormat(QImage::Format_RGB32);

        const QString name = QString::fromLatin1(QTest::currentDataTag());
        const QString reference = QStringLiteral(PONIRUKA_PICTURES_DIR "/%1.png").arg(name);
        if (regenerating) {
            QVERIFY(actual.save(reference));
            return;
        }
        const QImage expected(reference);
        QVERIFY2(!expected.isNull(), qPrintable(reference + " is missing: tools/screenshots.sh draws it"));
        // Exact: offscreen at scale 1 with fixed fonts, a run draws the same pixels as the last.
        const Difference diff = compare(expected.convertToFormat(QImage::Format_RGB32), actual);
        const QString actualFile = QDir().absoluteFilePath(name + "-actual.png");
        const QString diffFile = QDir().absoluteFilePath(name + "-diff.png");
        if (diff.pixels == 0) {
            QFile::remove(actualFile); // what an earlier failure left
            QFile::remove(diffFile);
            return;
        }
        QVERIFY(actual.save(actualFile) && diff.image.save(diffFile));
        QString message;
        QDebug out(&message);
        out.noquote().nospace() << diff.pixels << " pixels differ from " << reference << " within " << diff.box;
        if (actual.size() != expected.size())
            out << "; the screen is " << actual.size() << ", its picture " << expected.size();
        out << "\n   actual: " << actualFile << "\n   difference (magenta): " << diffFile;
        QFAIL(qPrintable(message));
    }
};

// The same pixels on every machine: offscreen at scale 1 in Qt's own style, with fonts only from the two packages
// the program stands in with (tests/pictures-fonts.conf), whatever the desktop's settings.
int main(int argc, char *argv[])
{
    // Qt's and fontconfig's settings are the test's own; only those that change the messages stay the caller's.
    const QStringList messagesOnly {"QT_LOGGING_RULES", "QT_MESSAGE_PATTERN", "QT_DEBUG_PLUGINS", "FC_DEBUG"};
    for (const QString &name : QProcessEnvironment::systemEnvironment().keys())
        if ((name.startsWith("QT_") || name.startsWith("FONTCONFIG_") || name.startsWith("FC_"))
            && !messagesOnly.contains(name))
            qunsetenv(name.toLocal8Bit().constData());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "1");
    qputenv("FONTCONFIG_FILE", PONIRUKA_PICTURES_FONTS);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    regenerating = arguments.removeAll(QStringLiteral("--regenerate")) > 0;
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    TestPictures test;
    return QTest::qExec(&test, arguments);
}

#include "tst_pictures.moc"
