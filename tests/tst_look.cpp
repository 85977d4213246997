// SPDX-License-Identifier: MIT
// How the screens look and answer the keyboard, and the Windows icon. Also run scaled to 200 % and at font DPI 120.
#include "fakes.h"

#include "screens/icons.h"
#include "shell/formbuilder.h"
#include "shell/formwidgets.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace poniruka;
namespace {

// Each screen's table, its Tab order from the first focus, the buttons Enter (with no button focused) and Esc press.
const std::tuple<const layout::Screen &, QStringList, QString, QString> screens[] = {
    {layout::frmSplashtime(), {}, {}, {}},
    {layout::frmmein(), {"cmdhiku", "cmdtasu", "cmdend"}, {}, {}},
    {layout::frmtime(), {"cmdst", "txthun3", "txtji3", "cmdok", "cmdend", "cmdmein"}, {}, {}}, // the minutes box first
    {layout::frmtime2(), {"cmdst", "cmdok", "txtji3", "txthun3", "cmdend", "cmdmein"}, {}, "cmdmein"},
    {layout::frmAbout(), {"cmdOK", "picIcon", "cmdSysInfo"}, "cmdOK", "cmdOK"},
};

// Whether text is drawn in the area: a dark pixel.
bool ink(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 96)
                return true;
    return false;
}

} // namespace

class TestLook : public QObject
{
    Q_OBJECT
    test::FakeWorld world;
    Program program {world.services()}; // teaches Qt the faces' stand-ins
private Q_SLOTS:
    // Every window and control is built as its row says: place, font, alignment, colours, caption, input method, flags.
    void builtAsItsTable()
    {
        QStringList wrong;
        const auto px = [](int twips) { return qRound(twips / 15.0); };
        const auto rgb = [](layout::Rgb c) { return QColor(c.r, c.g, c.b); };
        for (const auto &[table, order, enter, escape] : screens) {
            const layout::Window &row = table.window;
            const std::unique_ptr<FormWindow> window(buildWindow(table));
            const char *where = "";
            const auto check = [&](bool ok, const char *what) {
                if (!ok)
                    wrong << QStringLiteral("%1.%2: %3").arg(row.name, where, what);
            };
            check(window->windowTitle() == QString::fromUtf8(row.title), "title");
            check(window->size() == QSize(px(row.width), px(row.height)), "interior");
            check((window->minimumSize() == window->maximumSize()) == (row.border != layout::Border::Sizable), "fixed");
            check(window->windowFlags().testFlag(Qt::WindowTitleHint) == row.titleBar, "title bar");
            check(window->windowFlags().testFlag(Qt::WindowCloseButtonHint) == row.closeBox, "close box");
            check(!(window->windowFlags() & Qt::WindowMinMaxButtonsHint), "no other box");
            check((window->windowType() == Qt::Window) == row.taskbarButton, "taskbar button");
            check(!row.back || window->background() == rgb(*row.back), "background");
            check(window->cursor().pixmap().toImage() == picture(row.pointer).toImage(), "pointer"); // none: no picture
            const std::unique_ptr<FormWindow> again(buildWindow(table)); // regression: new ones each load piled up
            check(again->windowIcon().cacheKey() == window->windowIcon().cacheKey()
                    && again->cursor().pixmap().cacheKey() == window->cursor().pixmap().cacheKey()
                    && again->palette().cacheKey() == window->palette().cacheKey(),
                "icon, pointer and palette shared across loads");
            for (const layout::Control &c : table.controls) {
                where = c.name;
                const QRect band(px(c.place.left), px(c.place.top), px(c.place.width) - px(c.place.left), c.lineWidth);
                const auto on
                    = [&](const Line *line) { return line->geometry() == band; }; // level, end point not drawn
                check(c.kind != layout::Kind::Line || std::ranges::any_of(window->findChildren<Line *>(), on), "line");
                if (c.kind == layout::Kind::Timer || c.kind == layout::Kind::Line)
                    continue;
                QWidget *w = window->findChild<QWidget *>(QLatin1String(c.name));
                const QRect place(px(c.place.left), px(c.place.top), px(c.place.width), px(c.place.height));
                const bool ownSize = c.autoSize && c.kind == layout::Kind::PictureBox; // the picture's size
                check(ownSize ? w->pos() == place.topLeft() : w->geometry() == place, "place");
                // Sizes less than a pixel apart, as 20 and 20.25 pt (27 px), cannot be told apart: they are drawn
                // alike.
                const layout::Font font = c.font.value_or(row.font.value_or(layout::Font {}));
                const QFont given = w->font();
                check(given.pixelSize() == qRound(font.points * 96 / 72), "size");
                check(given.weight() == font.weight, "weight");
                const bool pop = QByteArray(font.face).contains("ﾎﾟｯﾌﾟ");
                // No Windows face here: the stand-in is named, and drawn.
                check(given.family() == QLatin1String(pop ? "Reggae One" : "IPAPGothic"), "face named");
                check(QFontInfo(given).family() == QLatin1String(pop ? "Reggae One" : "IPAPGothic"), "face drawn");
                check(w->property("text").toString() == QString::fromUtf8(c.text), "caption");
                const auto align = w->property("alignment").value<Qt::Alignment>();
                const Qt::Alignment h = std::array {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter}[int(c.align)];
                check(c.kind != layout::Kind::Label || align == (h | Qt::AlignTop), "alignment");
                check(c.kind != layout::Kind::TextBox || (align & Qt::AlignHorizontal_Mask) == h, "alignment");
                check(
                    c.kind != layout::Kind::TextBox || w->testAttribute(Qt::WA_InputMethodEnabled) != c.imeOff, "IME");
                check(!c.fore || w->palette().color(QPalette::WindowText) == rgb(*c.fore), "colour");
                check(!c.back || (w->palette().color(QPalette::Window) == rgb(*c.back) && w->autoFillBackground()),
                    "back");
                // What a screen reader finds: a name, no filler, the Enter button as the default, units labelling
                // boxes.
                const QAccessibleInterface *heard = QAccessible::queryAccessibleInterface(w);
                check(heard->role() != QAccessible::Client, "filler");
                check(w->focusPolicy() == Qt::NoFocus || !heard->text(QAccessible::Name).isEmpty(), "name");
                check(heard->state().defaultButton == c.enterKey, "default button");
                if (c.buddy) {
                    QWidget *box = window->findChild<QWidget *>(QLatin1String(c.buddy));
                    const auto labels = QAccessible::queryAccessibleInterface(box)->relations(QAccessible::Label);
                    check(labels.size() == 1 && labels.front().first->object() == w, "labels its box");
                }
                const auto *button
                    = qobject_cast<QPushButton *>(w); // its text inside its margins, the standard pointer
                check(!button || button->sizeHint().width() <= button->width(), "text fits");
                check(!button || button->cursor().shape() == Qt::ArrowCursor, "pointer");
                auto *label = qobject_cast<Label *>(w);
                if (c.picture != layout::Picture::None) { // drawn at the scale: 64 pixels for 32 at 200 %, not enlarged
                    check(label->pixmap().devicePixelRatio() == qApp->devicePixelRatio()
                            && label->pixmap().deviceIndependentSize()
                                == (c.kind == layout::Kind::Image ? place.size() : QSize(32, 32)),
                        "picture");
                } else if (label && !*c.text && !c.autoSize) { // a number label holds "58", a little wider at most
                    label->setCaption(QStringLiteral("58"));
                    const QSize text = label->textSize();
                    check(text.width() <= label->width() * 11 / 10 && text.height() <= label->height(), "58 fits");
                }
            }
        }
        QCOMPARE(wrong, QStringList());
    }

    // A number stays whole ("58" never shows as "5"); a menu label wraps onto a second line, both lines inside the box.
    void textShowsWhole()
    {
        const std::unique_ptr<FormWindow> sum(buildWindow(layout::frmtime())), menu(buildWindow(layout::frmmein()));
        auto *number = sum->findChild<Label *>(QStringLiteral("lblhun1"));
        number->setCaption(QStringLiteral("58"));
        const QImage digits = number->grab().toImage();
        QVERIFY(ink(digits, {digits.width() * 3 / 4, 0, digits.width() / 4, digits.height()}));
        for (const char *label : {"llbl01", "lbl02"}) {
            const QImage image = menu->findChild<QWidget *>(QLatin1String(label))->grab().toImage();
            const int w = image.width(), h = image.height();
            QVERIFY2(ink(image, {0, 0, w, h / 2}) && ink(image, {0, h / 2, w, h - h / 2}), label);
            QVERIFY2(!ink(image, {0, 0, w, 1}) && !ink(image, {0, h - 1, w, 1}), label);
            QCOMPARE(image.pixelColor(0, 0), QColor(128, 255, 128)); // on the menu's soft green
        }
    }

    // A screen opens with the focus on its first control and Tab walks its order back to the first; Enter (the keypad's
    // too) presses the button with the focus, else the Enter button; Esc presses the Esc button wherever the focus is.
    void keyboard()
    {
        for (const auto &[table, order, enter, escape] : screens) {
            const std::unique_ptr<FormWindow> window(buildWindow(table));
            window->show();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
            QString clicked;
            for (QPushButton *b : window->findChildren<QPushButton *>())
                connect(b, &QPushButton::clicked, b, [&clicked, b] { clicked += b->objectName(); });
            for (const QString &name : order + order.mid(0, 1)) {
                QWidget *focus = QApplication::focusWidget();
                QCOMPARE(focus ? focus->objectName() : QString(), name);
                const QString button = qobject_cast<QPushButton *>(focus) ? name : enter;
                for (const auto &[key, pressed] :
                    {std::pair(Qt::Key_Return, button), {Qt::Key_Enter, button}, {Qt::Key_Escape, escape}}) {
                    clicked.clear();
                    QTest::keyClick(focus, key, key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
                    QCOMPARE(clicked, pressed);
                }
                QTest::keyClick(focus, Qt::Key_Tab);
            }
        }
    }

    void keyPreviewReportsAKeyOnce_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("a letter the text box takes") << "txt";
        QTest::newRow("a letter the button leaves to the window") << "cmd";
    }

    // With key preview a window reports each character key once, whether the focused control takes it or not.
    void keyPreviewReportsAKeyOnce()
    {
        QFETCH(QString, focus);
        static constexpr layout::Control controls[] {
            {.name = "txt", .kind = layout::Kind::TextBox, .place = {0, 0, 900, 450}, .tab = 0},
            {.name = "cmd", .kind = layout::Kind::Button, .text = "OK", .place = {0, 600, 900, 450}, .tab = 1},
        };
        static constexpr layout::Screen screen {
            {.name = "preview", .width = 1500, .height = 1500, .keyPreview = true}, controls};
        const std::unique_ptr<FormWindow> window(buildWindow(screen));
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QWidget *target = window->findChild<QWidget *>(focus);
        target->setFocus();
        QSignalSpy keys(window.get(), &FormWindow::keyPressed);
        QTest::keyClick(target, Qt::Key_A);
        QCOMPARE(keys.count(), 1);
    }

    // Qt's own texts are Japanese whatever the desktop's language, as an answer box's context menu shows.
    void qtTextsAreJapanese()
    {
        const std::unique_ptr<FormWindow> window(buildWindow(layout::frmtime()));
        const std::unique_ptr<QMenu> menu(window->findChild<QLineEdit *>("txtji3")->createStandardContextMenu());
        QStringList texts;
        for (const QAction *action : menu->actions())
            if (!action->isSeparator())
                texts << action->text().section(QLatin1Char('\t'), 0, 0); // without the shortcut
        QCOMPARE(texts,
            QStringList({"元に戻す(&U)", "やり直す(&R)", "切り取り(&T)", "コピー(&C)", "貼り付け(&P)", "削除",
                "すべてを選択"}));
    }

    // The program's icon draws the clock at each size it is asked for, clear in the corners, and hands out the same
    // picture when asked again: a window system keeps data for each picture it is given.
    void programIcon_data()
    {
        QTest::addColumn<int>("side");
        QTest::newRow("title bar") << 16;
        QTest::newRow("taskbar at 200 %") << 48;
        QTest::newRow("a side not in its list") << 20;
    }
    void programIcon()
    {
        QFETCH(int, side);
        const QIcon clock = icon(layout::Picture::Clock);
        const QPixmap drawn = clock.pixmap(QSize(side, side), 1.0);
        const QImage image = drawn.toImage();
        QCOMPARE(image.size(), QSize(side, side));
        QVERIFY(image.pixelColor(0, 0).alpha() == 0 && image.pixelColor(side / 2, side / 2).alpha() == 255);
        QCOMPARE(clock.pixmap(QSize(side, side), 1.0).cacheKey(), drawn.cacheKey());
    }

    // The Windows icon: a 32 and a 16 pixel image of the standard 16 colours, the right way up, clear in the corners.
    void windowsIcon()
    {
        QFile file(QStringLiteral(PONIRUKA_ICON_FILE));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray ico = file.readAll(); // two images in the directory; each its side, 16 colours, 4 bits a pixel
        QCOMPARE(
            QList<int>({ico[4], ico[6], ico[8], ico[12], ico[22], ico[24], ico[28]}), QList({2, 32, 16, 4, 16, 16, 4}));
        QList<QColor> standard; // black, white, the greys, the bright colours and the dark ones
        for (int c = Qt::black; c <= Qt::darkYellow; ++c)
            standard << QColor(Qt::GlobalColor(c == Qt::gray ? Qt::lightGray : c));
        QImageReader reader(file.fileName());
        for (const int side : {32, 16}) {
            QVERIFY(reader.jumpToImage(side == 32 ? 0 : 1));
            const QImage icon = reader.read().convertToFormat(QImage::Format_ARGB32);
            int redDown = 0; // the second hand points down
            for (int y = 0; y < side; ++y)
                for (int x = 0; x < side; ++x) {
                    const QColor c = icon.pixelColor(x, y);
                    QVERIFY2(c.alpha() == 0 || standard.contains(c), qPrintable(c.name(QColor::HexArgb)));
                    redDown += c == QColor(Qt::red) ? (y < side / 2 ? -1 : 1) : 0;
                }
            QVERIFY(icon.size() == QSize(side, side) && icon.pixelColor(0, 0).alpha() == 0
                && icon.pixelColor(side - 1, side - 1).alpha() == 0 && redDown > 0);
        }
    }
};

QTEST_MAIN(TestLook)
#include "tst_look.moc"
