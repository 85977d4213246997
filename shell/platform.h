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

/// Whether the desktop may have the faces the screens name (ＭＳ Ｐゴシック
/// and the pop faces): a Japanese Windows does, and Qt looks for each before
/// its stand-in. Elsewhere the stand-ins are named directly, which spares Qt
/// a search through the desktop's fonts for a face it cannot find.
bool mayHaveDesignFaces();

/// Whether the pop faces are hinted as the desktop hints its fonts. Where
/// FreeType draws them they are drawn as designed, unhinted: its auto-hinter
/// studies each face it hints, a millisecond and more before the face's
/// first glyph, and at the sizes the screens give the pop faces hinting moves
/// an edge by a fraction of a pixel at most.
bool hintsPopFaces();

/// Makes the fonts that come with the program usable by it alone, where the
/// desktop lacks the faces they stand in for. Call once, before the first
/// screen is built.
void addBundledFonts();

/// The folder of Qt's own translations (qtbase_ja and the others).
QString qtTranslations();

/// The Qt platform plugin to start the application with, or nullptr for the
/// one Qt chooses. Where a desktop offers Wayland and X both, X: there the
/// program places its windows itself, and its fixed windows get no maximise
/// button. Reads the environment and the command line; call before the
/// application is made.
const char *preferredQtPlatform(int argc, char **argv);

} // namespace poniruka::platform
