// SPDX-License-Identifier: MIT
#include "shell/formwidgets.h"

#include <QCloseEvent>
#include <QFontInfo>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTextLayout>

#include <cmath>

namespace poniruka {

FormWindow::FormWindow(QWidget *parent) : QWidget(parent) { }

void FormWindow::setKeyPreview(bool on)
{
    m_keyPreview = on;
}

void FormWindow::setEnterButton(QAbstractButton *button)
{
    m_enterButton = button;
}

void FormWindow::setEscapeButton(QAbstractButton *button)
{
    m_escapeButton = button;
}

void FormWindow::setBackground(const QColor &colour)
{
    m_background = colour;
    update();
}

void FormWindow::paintEvent(QPaintEvent *event)
{
    if (m_background.isValid())
        QPainter(this).fillRect(event->rect(), m_background);
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    // The screen decides: unloading it destroys the window.
    event->ignore();
    Q_EMIT closeRequested();
}

namespace {

// A click is a left press and a release over the same control. Labels and
// frames take both events, so that neither reaches the control behind them.
void pressed(QMouseEvent *event, bool &down)
{
    down = event->button() == Qt::LeftButton;
    event->accept();
}

bool released(QMouseEvent *event, bool &down, const QRect &area)
{
    const bool click = down && event->button() == Qt::LeftButton && area.contains(event->position().toPoint());
    down = false;
    event->accept();
    return click;
}

// Arrows, function keys and modifiers alone yield no character.
bool yieldsCharacter(const QKeyEvent *event)
{
    return !event->text().isEmpty();
}

} // namespace

// Enter and Esc reach the window when the control with the focus leaves
// them alone, as buttons and text boxes do.
bool FormWindow::pressKeyButton(const QKeyEvent *event)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Escape:
        if (!m_escapeButton)
            return false;
        m_escapeButton->click();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // A push button outside a dialog leaves Enter alone; here it presses
        // the button with the focus, as Space does.
        auto *pressed = qobject_cast<QPushButton *>(focusWidget());
        if (!pressed)
            pressed = qobject_cast<QPushButton *>(m_enterButton.data());
        if (!pressed)
            return false;
        pressed->click();
        return true;
    }
    default:
        return false;
    }
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    if (pressKeyButton(event))
        return;
    // A key typed into a control comes here when the control leaves it
    // alone; with key preview it was reported on its way in already.
    const bool previewed = m_keyPreview && focusWidget() && focusWidget() != this;
    if (yieldsCharacter(event)) {
        if (!previewed)
            Q_EMIT keyPressed(event->text().at(0).unicode());
        return;
    }
    QWidget::keyPressEvent(event);
}

bool FormWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (m_keyPreview && event->type() == QEvent::KeyPress && watched != this) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (yieldsCharacter(key))
            Q_EMIT keyPressed(key->text().at(0).unicode());
    }
    return QWidget::eventFilter(watched, event);
}

namespace {

// Lays the text out one em to a line, the face's own leading split evenly
// above and below, and returns the size it takes. Lines wrap at width when
// wrap is set, and are aligned within width.
QSize layOut(QTextLayout &layout, qreal width, bool wrap, Qt::Alignment align)
{
    const QFontMetricsF metrics(layout.font());
    const qreal em = QFontInfo(layout.font()).pixelSize();
    const qreal halfLeading = (metrics.ascent() + metrics.descent() - em) / 2;
    QTextOption option(align & Qt::AlignHorizontal_Mask);
    // Japanese may break between any two kana or kanji, but a number stays whole.
    option.setWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
    layout.setTextOption(option);
    qreal widest = 0;
    int lines = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine(), ++lines) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, lines * em - halfLeading));
        widest = std::max(widest, line.naturalTextWidth());
    }
    layout.endLayout();
    return QSize(int(std::ceil(widest)), int(std::ceil(std::max(lines, 1) * em)));
}

QString layoutText(const QString &text)
{
    QString result = text;
    result.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return result;
}

} // namespace

Label::Label(QWidget *parent) : QLabel(parent) { }

void Label::setAutoSize(bool on)
{
    // The box keeps the size it was given until its text is next set.
    m_autoSize = on;
}

void Label::setCaption(const QString &text)
{
    setText(text);
    if (m_autoSize)
        resize(textSize()); // keeps the top-left corner
    Q_EMIT captionSet(text);
}

bool Label::hasClickHandler() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&Label::clicked));
}

QSize Label::textSize() const
{
    QTextLayout layout(layoutText(text()), font());
    return layOut(layout, QWIDGETSIZE_MAX, false, alignment());
}

void Label::paintEvent(QPaintEvent *event)
{
    const QPixmap picture = pixmap();
    if (!picture.isNull() && !hasScaledContents()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    if (!picture.isNull()) {
        painter.drawPixmap(contentsRect(), picture); // nearest pixel: no smoothing
        return;
    }
    QTextLayout layout(layoutText(text()), font());
    layOut(layout, contentsRect().width(), wordWrap(), alignment());
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, contentsRect().topLeft());
}

void Label::mousePressEvent(QMouseEvent *event)
{
    pressed(event, m_pressed);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    if (released(event, m_pressed, rect()))
        Q_EMIT clicked();
}

Frame::Frame(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Sunken); // etched
}

bool Frame::hasClickHandler() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&Frame::clicked));
}

void Frame::mousePressEvent(QMouseEvent *event)
{
    pressed(event, m_pressed);
}

void Frame::mouseReleaseEvent(QMouseEvent *event)
{
    if (released(event, m_pressed, rect()))
        Q_EMIT clicked();
}

Line::Line(QPoint from, QPoint to, QColor colour, int width, QWidget *parent)
    : QWidget(parent), m_from(from), m_to(to), m_colour(colour), m_width(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QRect span = QRect(from, to).normalized();
    if (from.y() == to.y()) // the end point itself is not drawn
        setGeometry(span.left(), span.top(), span.width() - 1, width);
    else if (from.x() == to.x())
        setGeometry(span.left(), span.top(), width, span.height() - 1);
    else
        setGeometry(span.adjusted(-width, -width, width, width));
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_from.y() == m_to.y() || m_from.x() == m_to.x()) {
        p.fillRect(rect(), m_colour); // the widget is the line's band
        return;
    }
    QPen pen(m_colour, m_width);
    pen.setCapStyle(Qt::FlatCap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(pen);
    p.drawLine(m_from - pos(), m_to - pos());
}

} // namespace poniruka
