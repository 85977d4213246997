// SPDX-License-Identifier: MIT
// The screens' side of the runtime: events to handlers, and control properties.
#include "shell/form.h"

#include "shell/formwidgets.h"
#include "shell/runtime.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTimer>

namespace poniruka {

Form::Form(Runtime &runtime, const layout::Screen &layout) : rt(runtime), m_layout(layout) { }

Form::~Form()
{
    delete m_connections;
    delete m_window;
}

void Form::connectEvent(QObject *sender, const char *what, std::function<void()> handler)
{
    auto run = [this, handler = std::move(handler)] { rt.run(handler); };
    if (auto *button = qobject_cast<QAbstractButton *>(sender))
        QObject::connect(button, &QAbstractButton::clicked, m_connections, run);
    else if (auto *label = qobject_cast<Label *>(sender))
        QObject::connect(label, &Label::clicked, m_connections, run);
    else if (auto *frame = qobject_cast<Frame *>(sender))
        QObject::connect(frame, &Frame::clicked, m_connections, run);
    else if (auto *timer = qobject_cast<QTimer *>(sender))
        QObject::connect(timer, &QTimer::timeout, m_connections, run);
    else
        throw RuntimeError(RuntimeError::InvalidProcedureCall, std::string("no event ") + what);
}

void Form::onClick(const char *name, std::function<void()> handler)
{
    connectEvent(control<QWidget>(name), "Click", std::move(handler));
}

void Form::onTimer(const char *name, std::function<void()> handler)
{
    connectEvent(control<QTimer>(name), "Timer", std::move(handler));
}

void Form::onKeyPress(std::function<void(int)> handler)
{
    auto *window = qobject_cast<FormWindow *>(m_window.data());
    QObject::connect(window, &FormWindow::keyPressed, m_connections,
        [this, handler = std::move(handler)](int code) { rt.run([&] { handler(code); }); });
}

QString Form::Caption(const char *name) const
{
    QWidget *w = control<QWidget>(name);
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    throw RuntimeError::of(RuntimeError::InvalidProcedureCall);
}

void Form::Caption(const char *name, const QString &text)
{
    QWidget *w = control<QWidget>(name);
    if (auto *label = qobject_cast<Label *>(w))
        label->setCaption(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        button->setText(text);
    else
        throw RuntimeError::of(RuntimeError::InvalidProcedureCall);
}

void Form::WindowCaption(const QString &text)
{
    if (!m_window)
        throw RuntimeError::of(RuntimeError::InvalidProcedureCall);
    m_window->setWindowTitle(text);
}

void Form::ForeColor(const char *name, const QColor &colour)
{
    QWidget *w = control<QWidget>(name);
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::ButtonText, colour);
    pal.setColor(QPalette::Text, colour);
    w->setPalette(pal);
}

QString Form::Text(const char *textBox) const
{
    return control<QLineEdit>(textBox)->text();
}

void Form::Text(const char *textBox, const QString &text)
{
    control<QLineEdit>(textBox)->setText(text);
}

void Form::SetFocus(const char *name)
{
    control<QWidget>(name)->setFocus(Qt::OtherFocusReason);
}

} // namespace poniruka
