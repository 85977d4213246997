// SPDX-License-Identifier: MIT
#pragma once

// A screen is a Form with one instance for the whole run. Runtime::Show()
// loads it (its window and controls are built afresh from its layout table,
// then its Form_Load runs) or brings it to the front; Runtime::Unload()
// destroys window and controls but keeps the instance and its variables.
// Every event reaches a handler named control_event (cmdok_Click,
// tmrinfo_Timer, Form_KeyPress) through Runtime::run().

#include "shell/runtimeerror.h"

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <string>

class QColor;

namespace poniruka {

namespace layout {
struct Screen;
}

class Runtime;

/// A screen: one instance for the whole run, loaded or not.
class Form
{
public:
    Form(Runtime &runtime, const layout::Screen &layout);
    virtual ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    const layout::Screen &layout() const { return m_layout; }
    bool isLoaded() const { return m_window != nullptr; }
    /// The window while the screen is loaded, else nullptr.
    QWidget *window() const { return m_window; }
    /// A control of the loaded screen by name; throws RuntimeError if there is none.
    template <class W = QWidget> W *control(const char *name) const
    {
        W *w = m_window ? m_window->findChild<W *>(QString::fromLatin1(name)) : nullptr;
        if (!w)
            throw RuntimeError(RuntimeError::InvalidProcedureCall, std::string("no control ") + name);
        return w;
    }

protected:
    /// Runs after the controls have been built, each time the screen loads.
    virtual void Form_Load() { }
    /// Connects the handlers to the freshly built controls.
    virtual void wire() = 0;

    void onClick(const char *control, std::function<void()> handler);
    void onTimer(const char *control, std::function<void()> handler);
    /// Keys that yield a character; the handler receives its code.
    void onKeyPress(std::function<void(int)> handler);

    QString Caption(const char *control) const;
    /// Sets a label's or button's text; an auto-size label then fits it.
    void Caption(const char *control, const QString &text);
    void WindowCaption(const QString &text);
    void ForeColor(const char *control, const QColor &colour);
    QString Text(const char *textBox) const;
    void Text(const char *textBox, const QString &text);
    void SetFocus(const char *control);

    Runtime &rt;

private:
    friend class QtRuntime;
    void connectEvent(QObject *sender, const char *what, std::function<void()> handler);

    const layout::Screen &m_layout;
    QPointer<QWidget> m_window;
    QObject *m_connections = nullptr; // owns this load's connections
};

} // namespace poniruka
