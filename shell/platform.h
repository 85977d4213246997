// SPDX-License-Identifier: MIT
#pragma once

// What differs between the desktops the program runs on, behind one header:
// platform_unix.cpp on Linux and the other Unix desktops, platform_win.cpp on
// Windows; CMake builds one of the two.

#include "shell/runtime.h"

#include <QString>

#include <memory>

namespace poniruka::platform {

/// The disk: whether an ordinary file, not a folder, is at a path given in
/// the system's 8-bit code page.
std::shared_ptr<FileLookup> files();

/// Starts programs as separate processes, never through a shell, in a normal
/// window that gets the focus, and does not wait for them. A command that
/// names no program that can be started throws RuntimeError.
std::shared_ptr<ProgramStarter> programs();

/// The face of the screens and of every control that names none.
const char *defaultFace();

/// Makes the fonts that come with the program usable by it alone, where the
/// desktop lacks the faces they stand in for. Call once, before the first
/// screen is built.
void addBundledFonts();

/// The folder of Qt's own translations (qtbase_ja and the others).
QString qtTranslations();

} // namespace poniruka::platform
