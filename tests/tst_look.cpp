// SPDX-License-Identifier: MIT
// How the screens look and answer the keyboard: sizes, fonts, colours,
// pointers, tab order, Enter and Esc. Runs at 96 dpi, with QT_SCALE_FACTOR=2,
// where every size must stay the same in logical pixels, and with a font DPI
// of 120, where text must still fit its boxes.
#include "fakes.h"

#include "info/frmabout.h"
#include "info/frmsplashtime.h"
#include "quiz/frmtime.h"
#include "quiz/frmtime2.h"
#include "screens/icons.h"
#include "shell/formbuilder.h"
#include "shell/formwidgets.h"
#include "shell/frmmein.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

using namespace poniruka;
using namespace poniruka::test;

namespace {

const QString gothic = QStringLiteral("IPAPGothic");
const QString pop = QStringLiteral("Reggae One");

/// A run of the program that shows one screen as a handler would: it loads from its layout the first time.
struct Shown
{
    explicit Shown(const QString &screen) : form(show(screen)) { }

    Form &show(const QString &screen)
    {
        Forms &f = program.forms();
        Form *const all[] = {&f.frmSplashtime(), &f.frmmein(), &f.frmtime(), &f.frmtime2(), &f.frmAbout()};
        Form &form = **std::find_if(
            std::begin(all), std::end(all), [&](Form *s) { return screen == QLatin1String(s->layout().window.name); });
        program.runtime().Show(form);
        return form;
    }
    /// The named control, or the window for an empty name.
    QWidget *widget(const QString &name) const
    {
        return name.isEmpty() ? form.window() : form.control<QWidget>(name.toLatin1().constData());
    }
    [[nodiscard]] bool active() const { return QTest::qWaitForWindowActive(form.window()); }

    FakeWorld world;
    Program program {world.services()};
    Form &form;
};

} // namespace

class TestLook : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sizesAndFaces_data();
    void sizesAndFaces();
    void wrappedMenuLabelsShowBothLinesInsideTheirBoxes();
    void twoDigitNumbersStayWhole();
    void textFitsItsBox_data();
    void textFitsItsBox();
    void tabWalksFromFirstFocus_data();
    void tabWalksFromFirstFocus();
    void keys_data();
    void keys();
    void keyPreviewReportsEachKeyOnce_data();
    void keyPreviewReportsEachKeyOnce();
    void resizedAndLoadedAgain_data();
    void resizedAndLoadedAgain();
    void pixels_data();
    void pixels();
    void answerBoxMenuIsJapanese();
    void menuPointers();
    void picturesAtThePixelRatio_data();
    void picturesAtThePixelRatio();
    void iconAndPointerSharedAcrossLoads();
};

void TestLook::sizesAndFaces_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control"); // empty: the window's interior
    QTest::addColumn<QRect>("place");     // null: an auto-size label
    QTest::addColumn<int>("fontPixels");
    QTest::addColumn<QString>("face"); // the face drawn on a desktop without the named one

    const auto row = [](const char *name, const char *screen, const char *control, QRect place, int px,
                         const QString &face) { QTest::newRow(name) << screen << control << place << px << face; };
    row("menu interior, sizable", "frmmein", "", {0, 0, 247, 288}, 12, gothic);
    row("menu button, HGP pop 12 pt", "frmmein", "cmdtasu", {40, 128, 161, 33}, 16, pop);
    row("wrapped menu label, HG pop 12 pt", "frmmein", "lbl02", {64, 176, 113, 33}, 16, pop);
    row("number, ＭＳ Ｐゴシック 36 pt", "frmtime", "lblji1", {8, 24, 57, 49}, 48, gothic);
    row("small label, default face 9 pt", "frmtime", "lblhelp", {362, 8, 55, 12}, 12, gothic);
    row("exercise 2 button, HGS pop 15.75 pt", "frmtime2", "cmdmein", {448, 128, 113, 33}, 21, pop);
    row("auto-size unit, 27.75 pt", "frmtime2", "lblmm4", {}, 37, gothic);
    row("auto-size splash version, 9.75 pt", "frmSplashtime", "lblVersion", {}, 13, gothic);
    row("auto-size splash title, a tall face", "frmSplashtime", "lblProductName", {}, 27, pop);
    row("in the frame, twips rounded", "frmSplashtime", "lblCompany", {304, 221, 161, 17}, 12, gothic);
    row("ｼｽﾃﾑ情報 button, half-width", "frmAbout", "cmdSysInfo", {284, 205, 92, 23}, 12, gothic);
    row("ﾊﾞｰｼﾞｮﾝ label, half-width", "frmAbout", "lblVersion", {70, 52, 259, 15}, 12, gothic);
}

// Twips become logical pixels at 15 to a pixel, points become pixels as at 96 dpi (whatever the font DPI)
// and a scale factor only multiplies the device pixels behind them; an
// auto-size label keeps its left and top edges and takes its text's size each
// time its text is set; each face has its stand-in, in which half-width
// katakana stay half-width.
void TestLook::sizesAndFaces()
{
    QFETCH(QString, screen);
    QFETCH(QString, control);
    QFETCH(QRect, place);
    QFETCH(int, fontPixels);
    QFETCH(QString, face);
    Shown s(screen);
    QWidget *widget = s.widget(control);
    const QFontInfo drawn(widget->font());

    if (!place.isNull())
        QCOMPARE(control.isEmpty() ? widget->rect() : widget->geometry(), place);
    QCOMPARE(drawn.pixelSize(), fontPixels);
    const QString named = widget->font().family(); // a face with a stand-in is drawn itself where installed
    const bool installed = !QFont::substitutes(named).isEmpty() && QFontDatabase::families().contains(named);
    QCOMPARE(drawn.family(), installed ? named : face);
    const qreal scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
    QCOMPARE(widget->devicePixelRatioF(), scale);
    QCOMPARE(widget->grab().size(), widget->size() * scale);

    const QFontMetricsF metrics(widget->font());
    for (const QChar c : widget->property("text").toString()) {
        if (c >= QChar(0xFF61) && c <= QChar(0xFF9F)) // half-width katakana, narrower than the full-width form
            QVERIFY(metrics.horizontalAdvance(c)
                < 0.75 * metrics.horizontalAdvance(QString(c).normalized(QString::NormalizationForm_KC)));
    }

    if (!place.isNull())
        return;
    auto *label = qobject_cast<Label *>(widget);
    QVERIFY(label);
    const QPoint corner = label->pos();
    const QFontMetrics pixels(label->font());
    for (const QString caption : {"ふんふんふん", "ふん"}) {
        label->setCaption(caption);
        const int width = pixels.horizontalAdvance(caption);
        QCOMPARE(label->pos(), corner);
        QVERIFY2(label->width() >= width && label->width() <= width + 2, "not the text's width");
        QVERIFY2(label->height() >= fontPixels && label->height() <= pixels.height(), "not one line's height");
    }
}

// The menu's labels are narrower than their text: it wraps onto a second
// line, and both lines show whole inside the box.
void TestLook::wrappedMenuLabelsShowBothLinesInsideTheirBoxes()
{
    Shown s(QStringLiteral("frmmein"));
    for (const char *label : {"llbl01", "lbl02"}) {
        const QImage image = s.widget(QLatin1String(label))->grab().toImage();
        QList<bool> inkInRow(image.height(), false);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                inkInRow[y] = inkInRow[y] || qGray(image.pixel(x, y)) < 96;
        const qsizetype half = inkInRow.size() / 2;
        QVERIFY2(inkInRow.first(half).contains(true) && inkInRow.sliced(half).contains(true), label);
        QVERIFY2(!inkInRow.front() && !inkInRow.back(), label);
    }
}

// A number is never broken across lines, even where it is a little wider
// than its box: "58" must not show as "5".
void TestLook::twoDigitNumbersStayWhole()
{
    Shown s(QStringLiteral("frmtime"));
    auto *label = s.form.control<Label>("lblhun1");
    label->setCaption(QStringLiteral("58"));
    const QImage image = label->grab().toImage();
    bool inkAtRight = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = image.width() * 3 / 4; x < image.width(); ++x)
            inkAtRight = inkAtRight || qGray(image.pixel(x, y)) < 96;
    QVERIFY(inkAtRight);
}

void TestLook::textFitsItsBox_data()
{
    QTest::addColumn<QString>("screen");
    for (const char *screen : {"frmmein", "frmtime", "frmtime2", "frmAbout"})
        QTest::newRow(screen) << screen;
}

// Text and boxes scale together at any font DPI: each number label holds
// "58" and each button shows its whole text inside its margins.
void TestLook::textFitsItsBox()
{
    QFETCH(QString, screen);
    Shown s(screen);
    for (Label *label : s.form.window()->findChildren<Label *>()) {
        if (!QStringList {"lblji1", "lblhun1", "lblji2", "lblhun2", "lblji3", "lblhun3"}.contains(label->objectName()))
            continue;
        label->setCaption(QStringLiteral("58"));
        const QSize text = label->textSize(); // a little wider than its box, as the screens were drawn
        QVERIFY2(text.width() <= label->width() * 11 / 10 && text.height() <= label->height(),
            qPrintable(label->objectName()));
    }
    for (QPushButton *button : s.form.window()->findChildren<QPushButton *>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QString text = QString(button->text()).remove(QLatin1Char('&'));
        QVERIFY2(button->fontMetrics().horizontalAdvance(text) <= inside.width(), qPrintable(button->objectName()));
    }
}

void TestLook::tabWalksFromFirstFocus_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("menu") << "frmmein" << QStringList {"cmdhiku", "cmdtasu", "cmdend"};
    QTest::newRow("exercise 1: minutes box first")
        << "frmtime" << QStringList {"cmdst", "txthun3", "txtji3", "cmdok", "cmdend", "cmdmein"};
    QTest::newRow("exercise 2: こたえる, then hours box")
        << "frmtime2" << QStringList {"cmdst", "cmdok", "txtji3", "txthun3", "cmdend", "cmdmein"};
    QTest::newRow("about box") << "frmAbout" << QStringList {"cmdOK", "picIcon", "cmdSysInfo"};
}

// A screen opens with the focus on its first control; Tab walks the order and back to the first.
void TestLook::tabWalksFromFirstFocus()
{
    QFETCH(QString, screen);
    QFETCH(QStringList, order);
    Shown s(screen);
    QVERIFY(s.active());
    for (int step = 0; step <= order.size(); ++step) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        QCOMPARE(focus->objectName(), order.at(step % order.size()));
        QTest::keyClick(focus, Qt::Key_Tab);
    }
}

void TestLook::keys_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<QStringList>("pressed");

    const auto row = [](const char *name, const char *screen, const char *focus, QKeyCombination key,
                         const QStringList &pressed) { QTest::newRow(name) << screen << focus << key << pressed; };
    row("menu: Enter on なんじになる？１ opens it", "frmmein", "cmdhiku", Qt::Key_Return, {"cmdhiku"});
    row("menu: keypad Enter on おわる", "frmmein", "cmdend", Qt::KeypadModifier | Qt::Key_Enter, {"cmdend"});
    row("frmtime: Enter on こたえる answers", "frmtime", "cmdok", Qt::Key_Return, {"cmdok"});
    row("frmtime: Enter in the hours box presses nothing", "frmtime", "txtji3", Qt::Key_Return, {});
    row("frmtime: Esc presses nothing", "frmtime", "txthun3", Qt::Key_Escape, {});
    row("frmtime2: Enter on ちょうせん poses", "frmtime2", "cmdst", Qt::Key_Return, {"cmdst"});
    row("frmtime2: Enter in the minutes box presses nothing", "frmtime2", "txthun3", Qt::Key_Return, {});
    row("frmtime2: Esc in the hours box is メニュー", "frmtime2", "txtji3", Qt::Key_Escape, {"cmdmein"});
    row("about: Esc on ｼｽﾃﾑ情報 is OK", "frmAbout", "cmdSysInfo", Qt::Key_Escape, {"cmdOK"});
    row("about: keypad Enter on the picture is OK", "frmAbout", "picIcon", Qt::KeypadModifier | Qt::Key_Enter,
        {"cmdOK"});
    row("about: Enter on ｼｽﾃﾑ情報 presses it", "frmAbout", "cmdSysInfo", Qt::Key_Return, {"cmdSysInfo"});
    row("about: Alt+S on OK is ｼｽﾃﾑ情報", "frmAbout", "cmdOK", Qt::AltModifier | Qt::Key_S, {"cmdSysInfo"});
}

// Esc presses a screen's Esc button wherever the focus is (frmtime has none);
// Enter presses the button with the focus, as a click does, else the Enter
// button (only the about box has one); an access key presses its button.
void TestLook::keys()
{
    QFETCH(QString, screen);
    QFETCH(QString, focus);
    QFETCH(QKeyCombination, key);
    QFETCH(QStringList, pressed);
    Shown s(screen);
    QVERIFY(s.active());
    QStringList clicked;
    for (QPushButton *button : s.form.window()->findChildren<QPushButton *>())
        connect(button, &QAbstractButton::clicked, button, [&clicked, button] { clicked << button->objectName(); });
    QWidget *target = s.widget(focus);
    target->setFocus();

    QTest::keyClick(target, key.key(), key.keyboardModifiers());

    QTRY_COMPARE(clicked, pressed); // an access key presses its button for a moment first
}

void TestLook::keyPreviewReportsEachKeyOnce_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::newRow("a letter the text box takes") << "txt" << int(Qt::Key_A);
    QTest::newRow("Esc the text box leaves alone") << "txt" << int(Qt::Key_Escape);
    QTest::newRow("a letter the button leaves alone") << "cmd" << int(Qt::Key_A);
}

// With key preview, the window hears each character key once, whether the control with the focus takes it or not.
void TestLook::keyPreviewReportsEachKeyOnce()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    static constexpr layout::Control controls[] {
        {.name = "txt", .kind = layout::Kind::TextBox, .place = {0, 0, 900, 450}, .tab = 0},
        {.name = "cmd", .kind = layout::Kind::Button, .text = "OK", .place = {0, 600, 900, 450}, .tab = 1},
    };
    static constexpr layout::Screen screen {
        {.name = "preview", .width = 1500, .height = 1500, .keyPreview = true}, controls};
    const std::unique_ptr<FormWindow> window(buildWindow(screen));
    QSignalSpy keys(window.get(), &FormWindow::keyPressed);
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QWidget *target = window->findChild<QWidget *>(focus);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(keys.count(), 1);
}

void TestLook::resizedAndLoadedAgain_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<bool>("sizable");
    QTest::newRow("menu, sizable") << "frmmein" << true;
    QTest::newRow("exercise 1, fixed") << "frmtime" << false;
    QTest::newRow("exercise 2, sizable") << "frmtime2" << true;
    QTest::newRow("about box, fixed") << "frmAbout" << false;
}

// Only a sizable window takes a new size, and its controls keep their places;
// closed and loaded again, a changed screen looks exactly as at its first
// load, its verdict red (255, 0, 0) whatever colour it had. It reuses its
// icon and its buttons' palette: Qt keeps pictures of both under their
// identity, and new ones on every load filled the memory.
void TestLook::resizedAndLoadedAgain()
{
    QFETCH(QString, screen);
    QFETCH(bool, sizable);
    Shown s(screen);
    QWidget *window = s.form.window();
    QVERIFY(s.active());
    const QImage first = window->grab().toImage();
    const auto cacheKeys = [&] {
        return std::pair(window->windowIcon().cacheKey(), window->findChild<QPushButton *>()->palette().cacheKey());
    };
    const auto firstKeys = cacheKeys();
    for (QWidget *control : window->findChildren<QWidget *>()) {
        control->setProperty("text", QStringLiteral("12"));
        control->setPalette(QPalette(Qt::blue));
    }
    const auto places = [&] {
        QList<QRect> places;
        for (const QWidget *control : window->findChildren<QWidget *>())
            places << control->geometry();
        return places;
    };
    const QList<QRect> before = places();
    const QSize size = window->size();

    window->resize(size + QSize(120, 80));
    QCOMPARE(window->size(), sizable ? size + QSize(120, 80) : size);
    QCOMPARE(places(), before);

    s.program.runtime().Unload(s.form);
    s.show(screen);
    window = s.form.window();
    QVERIFY(s.active());
    QCOMPARE(window->grab().toImage(), first);
    QCOMPARE(cacheKeys(), firstKeys);
    if (auto *verdict = window->findChild<Label *>(QStringLiteral("lblseikai")))
        QCOMPARE(verdict->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

void TestLook::pixels_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QPoint>("at");     // in logical pixels
    QTest::addColumn<QColor>("colour"); // invalid: the window's own background

    const QColor grey(128, 128, 128), white(Qt::white), none;
    QTest::newRow("menu background") << "frmmein" << QPoint(3, 150) << QColor(128, 255, 128);
    QTest::newRow("exercise background") << "frmtime2" << QPoint(560, 350) << QColor(255, 255, 128);
    QTest::newRow("about rule: background above") << "frmAbout" << QPoint(200, 162) << none;
    QTest::newRow("about rule: grey from x 6") << "frmAbout" << QPoint(6, 163) << grey;
    QTest::newRow("about rule: its end point not drawn") << "frmAbout" << QPoint(377, 163) << none;
    QTest::newRow("about rule: white from x 7") << "frmAbout" << QPoint(7, 164) << white;
    QTest::newRow("about rule: not white at x 6") << "frmAbout" << QPoint(6, 164) << none;
    QTest::newRow("about rule: white two rows deep") << "frmAbout" << QPoint(376, 165) << white;
    QTest::newRow("about rule: background below") << "frmAbout" << QPoint(200, 166) << none;
}

// Windows paint their background colour; the about box's rule is one grey
// pixel row right above two white ones.
void TestLook::pixels()
{
    QFETCH(QString, screen);
    QFETCH(QPoint, at);
    QFETCH(QColor, colour);
    Shown s(screen);
    QWidget *window = s.form.window();
    const QImage image = window->grab().toImage(); // the top-left device pixel of each logical one
    const QColor painted = image.pixelColor(at * image.devicePixelRatio());
    QCOMPARE(painted, colour.isValid() ? colour : window->palette().color(QPalette::Window));
}

// Qt's own texts are Japanese: an answer box's context menu offers Paste as Qt's Japanese translation words it.
void TestLook::answerBoxMenuIsJapanese()
{
    Shown s(QStringLiteral("frmtime"));
    const QString paste = QCoreApplication::translate("QLineEdit", "&Paste");
    QVERIFY2(paste != QLatin1String("&Paste"), "Qt's Japanese translation is not loaded");
    const std::unique_ptr<QMenu> menu(s.form.control<QLineEdit>("txtji3")->createStandardContextMenu());
    QStringList offered;
    for (const QAction *action : menu->actions())
        offered << action->text().section(QLatin1Char('\t'), 0, 0); // without the shortcut
    QVERIFY2(offered.contains(paste), qPrintable(offered.join(' ')));
}

// The pendulum clock is the pointer over the menu's background; its buttons keep the standard pointer.
void TestLook::menuPointers()
{
    Shown s(QStringLiteral("frmmein"));
    QCOMPARE(s.form.window()->cursor().shape(), Qt::BitmapCursor);
    QCOMPARE(s.form.window()->cursor().pixmap().toImage(), picture(layout::Picture::Pendulum).toImage());
    QCOMPARE(s.widget(QStringLiteral("cmdtasu"))->cursor().shape(), Qt::ArrowCursor);
}

void TestLook::picturesAtThePixelRatio_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QSize>("size"); // logical pixels
    QTest::newRow("splash logo, stretched to its box") << "frmSplashtime"
                                                       << "imgLogo" << QSize(65, 61);
    QTest::newRow("about box picture, its own size") << "frmAbout"
                                                     << "picIcon" << QSize(32, 32);
}

// A picture is drawn at the desktop's scale, 64 pixels wide for 32 at 200 %, not enlarged from 32.
void TestLook::picturesAtThePixelRatio()
{
    QFETCH(QString, screen);
    QFETCH(QString, control);
    QFETCH(QSize, size);
    Shown s(screen);
    const QPixmap shown = s.form.control<QLabel>(control.toLatin1().constData())->pixmap();
    QCOMPARE(shown.devicePixelRatio(), qApp->devicePixelRatio());
    QCOMPARE(shown.size(), size * qApp->devicePixelRatio());
}

// Regression: each load of the menu gave the window system a new icon and pointer to keep.
void TestLook::iconAndPointerSharedAcrossLoads()
{
    Shown s(QStringLiteral("frmmein"));
    const auto keys = [&] {
        const QWidget *window = s.form.window();
        return std::pair(window->windowIcon().cacheKey(), window->cursor().pixmap().cacheKey());
    };
    const auto first = keys();
    s.program.runtime().Unload(s.form);
    s.show(QStringLiteral("frmmein"));
    QCOMPARE(keys(), first);
}

QTEST_MAIN(TestLook)
#include "tst_look.moc"
