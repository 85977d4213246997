// SPDX-License-Identifier: MIT
#include "shell/formwidgets.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace poniruka {

FormWindow::FormWindow(QWidget *parent) : QWidget(parent) { }

void FormWindow::setKeyPreview(bool on)
{
    m_keyPreview = on;
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    // The screen decides: unloading it destroys the window.
    event->ignore();
    Q_EMIT closeRequested();
}

namespace {

// Arrows, function keys and modifiers alone yield no character.
bool yieldsCharacter(const QKeyEvent *event)
{
    return !event->text().isEmpty();
}

} // namespace

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    if (yieldsCharacter(event)) {
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

Label::Label(QWidget *parent) : QLabel(parent) { }

void Label::setAutoSize(bool on)
{
    m_autoSize = on;
    if (on)
        adjustSize();
}

void Label::setCaption(const QString &text)
{
    setText(text);
    if (m_autoSize)
        resize(sizeHint()); // keeps the top-left corner
}

void Label::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

Frame::Frame(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Sunken); // etched
}

void Frame::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Frame::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

Line::Line(QPoint from, QPoint to, QColor colour, int width, QWidget *parent)
    : QWidget(parent), m_from(from), m_to(to), m_colour(colour), m_width(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int pad = width;
    setGeometry(QRect(from, to).normalized().adjusted(-pad, -pad, pad, pad));
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QPen pen(m_colour, m_width);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.drawLine(m_from - pos(), m_to - pos());
}

} // namespace poniruka
