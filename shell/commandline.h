// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace poniruka {

/// Splits a command text into the program and its arguments the way Windows
/// reads a command line, so that it can be started without a shell: ";", "|",
/// "&&", "$(", backquotes and backslashes are ordinary characters.
///
/// - A leading double-quoted part is the program.
/// - Otherwise, when the whole text (blanks at either end removed) names a
///   file, it is the program, with no arguments: a path with spaces.
/// - Otherwise the program is the shortest leading run up to a blank that
///   names a file ("C:\Program Files\x.exe /a" tries "C:\Program" first), or,
///   when none does, the first word.
/// - The rest are the arguments, split at blanks (space, tab); double quotes
///   group blanks into an argument and are themselves dropped.
///
/// isFile tells whether a text names an existing file. A blank command gives
/// no words at all.
std::vector<std::string> splitCommandLine(
    const std::string &command, const std::function<bool(const std::string &)> &isFile);

} // namespace poniruka
