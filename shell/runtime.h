// SPDX-License-Identifier: MIT
#pragma once

// The forms runtime: everything a screen needs of the program around it,
// and nothing else: showing and unloading screens, ending the program,
// message boxes, random numbers, the application's title and version, the
// file lookup and the program start. Each service with an effect outside the
// program is an interface of its own, replaced by a fake in tests.

#include "shell/runtimeerror.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <string>

namespace poniruka {

class Form;

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

    /// Runs one event handler to completion; an error it does not trap is
    /// shown in a message box and ends the program. Otherwise the program
    /// ends only between handlers, once no screen is loaded: a handler may
    /// unload its own screen before or after it shows the next one.
    virtual void run(const std::function<void()> &handler) = 0;
};

} // namespace poniruka
