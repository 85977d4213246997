// SPDX-License-Identifier: MIT
#pragma once

// The forms runtime: everything a screen needs, and nothing else.
//
// A screen is a Form with one instance for the whole run. Show() loads it
// (its window and controls are built afresh from its layout table, then its
// Form_Load runs) or brings it to the front; Unload() destroys window and
// controls but keeps the instance and its variables. Every event reaches a
// handler named control_event (cmdok_Click, tmrinfo_Timer, Form_KeyPress)
// through Runtime::run(), which lets the handler finish before the program
// may end, and turns an untrapped RuntimeError into a message and the end of
// the program.

#include "shell/runtimeerror.h"

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>

namespace poniruka {

namespace layout {
struct Screen;
}

class Runtime;

/// The application object: its title and its three-part version.
struct AppInfo
{
    QString Title;
    std::int16_t Major = 0;
    std::int16_t Minor = 0;
    std::int16_t Revision = 0;
};

// Services with effects outside the program, replaced by fakes in tests.

/// A modal message box with one OK button and no icon.
class MessageBoxService
{
public:
    virtual ~MessageBoxService() = default;
    virtual void show(const QString &title, const QString &prompt) = 0;
};

/// Uniform random numbers r with 0 <= r < 1.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    /// Reseeds from the clock.
    virtual void reseed() = 0;
    virtual float next() = 0;
};

/// Tells whether an ordinary file exists at a path.
class FileLookup
{
public:
    virtual ~FileLookup() = default;
    virtual bool isFile(const std::string &path) = 0;
};

/// Starts a program without waiting for it.
class ProgramStarter
{
public:
    virtual ~ProgramStarter() = default;
    /// Throws RuntimeError when the program cannot be started.
    virtual void start(const std::string &command, int windowStyle) = 0;
};

// Number reading and writing, and colours.

/// The greatest whole number not above x.
double Int(double x);
/// A whole number as plain decimal digits, "-" before a negative.
QString CStr(long long n);
/// The number at the start of a text: blanks anywhere are skipped, then an
/// optional sign, digits, a decimal point with digits and an exponent (E or D)
/// are read as far as they go. No number reads 0. A number too large for a
/// double reads as an infinity, which equals no whole number.
double Val(const QString &text);
/// x rounded to the nearest whole number, halves to even; outside
/// -32768..32767 (or not a number) it raises an overflow error.
std::int16_t CInt(double x);
/// 16-bit sums and differences that raise an overflow error.
std::int16_t add16(std::int16_t a, std::int16_t b);
std::int16_t sub16(std::int16_t a, std::int16_t b);
/// An entry of the 16-colour palette, 0 to 15.
QColor QBColor(int entry);

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

/// What the screens ask of the runtime.
class Runtime
{
public:
    virtual ~Runtime() = default;

    /// Loads the screen if needed, shows it modeless and brings it to the front.
    virtual void Show(Form &form) = 0;
    /// Destroys the screen's window and controls; the instance stays.
    virtual void Unload(Form &form) = 0;
    /// Closes every window and ends the program.
    virtual void End() = 0;
    /// A modal message with an OK button, titled with the application title.
    virtual void MsgBox(const QString &prompt) = 0;
    virtual void Randomize() = 0;
    /// The next uniform random number, at least 0 and below 1.
    virtual float Rnd() = 0;
    virtual const AppInfo &App() const = 0;
    /// The file's name if an ordinary file exists at the path, else empty.
    virtual std::string Dir(const std::string &path) = 0;
    /// Starts a program detached; raises a RuntimeError if it cannot.
    virtual void Shell(const std::string &command, int windowStyle) = 0;

    /// Runs one event handler to completion. The program ends only between
    /// handlers, once no screen is loaded.
    virtual void run(const std::function<void()> &handler) = 0;
};

} // namespace poniruka

Q_DECLARE_METATYPE(poniruka::AppInfo)
