// SPDX-License-Identifier: MIT
#include "shell/formbuilder.h"

#include "screens/icons.h"
#include "shell/accessibility.h"
#include "shell/fonts.h"
#include "shell/formwidgets.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace poniruka {

using namespace layout;

namespace {

QRect pixels(const Rect &r)
{
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height)};
}

QColor colour(const Rgb &c)
{
    return QColor(c.r, c.g, c.b);
}

// Text starts at the top of its box, not in its middle as Qt would put it:
// the layout tables leave the room below the text.
Qt::Alignment alignment(Align a)
{
    switch (a) {
    case Align::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Align::Center:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Align::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

Qt::WindowFlags windowFlags(const Window &w)
{
    if (!w.titleBar)
        return Qt::SplashScreen | Qt::FramelessWindowHint;
    // A tool window has no taskbar button, and on Windows no icon either.
    Qt::WindowFlags flags = w.taskbarButton ? Qt::Window : Qt::Tool;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (w.closeBox)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (w.border == Border::FixedDialog)
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    return flags;
}

void setColours(QWidget *widget, const Control &c)
{
    if (!c.fore && !c.back)
        return;
    QPalette pal = widget->palette();
    if (c.fore) {
        pal.setColor(QPalette::WindowText, colour(*c.fore));
        pal.setColor(QPalette::Text, colour(*c.fore));
    }
    if (c.back) {
        pal.setColor(QPalette::Window, colour(*c.back));
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(pal);
}

// screenFont: the font of the controls that name none.
QWidget *buildControl(const Control &c, QWidget *parent, const Font &screenFont)
{
    const QString text = QString::fromUtf8(c.text);
    QWidget *widget = nullptr;
    switch (c.kind) {
    case Kind::Button: {
        auto *button = new QPushButton(text, parent); // "&S": Alt+S presses it
        button->setCursor(Qt::ArrowCursor);           // whatever pointer the window has
        widget = button;
        break;
    }
    case Kind::Label: {
        auto *label = new Label(parent);
        label->setTextFormat(Qt::PlainText);
        label->setText(text);
        label->setAlignment(alignment(c.align));
        label->setWordWrap(!c.autoSize);
        widget = label;
        break;
    }
    case Kind::TextBox: {
        auto *box = new QLineEdit(text, parent);
        box->setAlignment(alignment(c.align) & Qt::AlignHorizontal_Mask);
        // With the input method on, a Japanese IME could turn typed digits full-width.
        if (c.imeOff)
            box->setAttribute(Qt::WA_InputMethodEnabled, false);
        widget = box;
        break;
    }
    case Kind::Frame:
        widget = new Frame(parent);
        break;
    case Kind::Image: {
        auto *image = new Label(parent);
        image->setPixmap(picture(c.picture, pixels(c.place).size())); // drawn at the box's size
        image->setScaledContents(true);
        widget = image;
        break;
    }
    case Kind::PictureBox: {
        auto *box = new Label(parent);
        box->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
        box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        box->setPixmap(picture(c.picture));
        box->setFocusPolicy(Qt::StrongFocus);
        box->setCursor(Qt::ArrowCursor);
        widget = box;
        break;
    }
    case Kind::Line: {
        const Rect &r = c.place;
        widget
            = new Line({twipsToPixels(r.left), twipsToPixels(r.top)}, {twipsToPixels(r.width), twipsToPixels(r.height)},
                c.fore ? colour(*c.fore) : QColor(Qt::black), c.lineWidth, parent);
        break;
    }
    case Kind::Timer: {
        auto *timer = new QTimer(parent);
        timer->setObjectName(QString::fromLatin1(c.name));
        timer->setInterval(c.interval);
        // Qt's default timer may fire up to 5 % early; a second must be a second.
        timer->setTimerType(Qt::PreciseTimer);
        timer->start(); // enabled from creation, and counting from it
        return nullptr;
    }
    }
    widget->setObjectName(QString::fromLatin1(c.name));
    if (c.index >= 0)
        widget->setProperty("index", c.index);
    widget->setFont(qtFont(c.font.value_or(screenFont)));
    if (c.kind != Kind::Line)
        widget->setGeometry(pixels(c.place));
    if (c.kind == Kind::PictureBox && c.autoSize)
        widget->adjustSize(); // the picture at its own size, inside the border
    if (auto *label = qobject_cast<Label *>(widget); label && c.autoSize)
        label->setAutoSize(true);
    setColours(widget, c);
    return widget;
}

} // namespace

FormWindow *buildWindow(const Screen &screen)
{
    installAccessibleInterfaces();
    const Window &w = screen.window;
    auto *window = new FormWindow;
    window->setObjectName(QString::fromLatin1(w.name));
    window->setWindowFlags(windowFlags(w));
    window->setWindowTitle(QString::fromUtf8(w.title));
    const Font screenFont = w.font.value_or(Font {});
    window->setFont(qtFont(screenFont));
    // Controls are placed by coordinates: a sizable window's controls keep
    // their places and sizes whatever its size.
    const QSize interior(twipsToPixels(w.width), twipsToPixels(w.height));
    if (w.border == Border::Sizable)
        window->resize(interior);
    else
        window->setFixedSize(interior);
    if (w.back)
        window->setBackground(colour(*w.back));
    window->setWindowIcon(icon(w.icon)); // for none, a transparent one: not the program's
    if (w.pointer != Picture::None)
        window->setCursor(pointer(w.pointer));
    window->setKeyPreview(w.keyPreview);

    std::vector<std::pair<int, QWidget *>> tabStops;
    for (const Control &c : screen.controls) {
        QWidget *parent = window;
        if (c.container)
            parent = window->findChild<QWidget *>(QString::fromLatin1(c.container));
        QWidget *widget = buildControl(c, parent ? parent : window, screenFont);
        if (!widget)
            continue;
        if (w.keyPreview)
            widget->installEventFilter(window);
        if (auto *button = qobject_cast<QPushButton *>(widget)) {
            if (c.enterKey)
                window->setEnterButton(button);
            if (c.escapeKey)
                window->setEscapeButton(button);
        }
        if (widget->focusPolicy() != Qt::NoFocus && c.tab >= 0)
            tabStops.emplace_back(c.tab, widget);
    }

    std::stable_sort(tabStops.begin(), tabStops.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabStops.size(); ++i)
        QWidget::setTabOrder(tabStops[i - 1].second, tabStops[i].second);
    if (!tabStops.empty())
        tabStops.front().second->setFocus();
    makeAccessible(window, screen);
    return window;
}

} // namespace poniruka
