// SPDX-License-Identifier: MIT
#pragma once

// What platform_unix.cpp decides the Qt platform from, apart from the
// environment it reads, so that the decision can be checked case by case.

#include <functional>
#include <string_view>

namespace poniruka::platform {

/// The part of the environment that decides between Wayland and X.
struct DisplaySession
{
    const char *qtPlatform = nullptr;     // QT_QPA_PLATFORM
    bool platformArgument = false;        // -platform on the command line
    const char *display = nullptr;        // DISPLAY
    const char *waylandDisplay = nullptr; // WAYLAND_DISPLAY
    const char *sessionType = nullptr;    // XDG_SESSION_TYPE
};

/// "xcb" where the desktop offers Wayland and X both and the user chose no
/// platform; else nullptr, Qt's own choice. `xReachable` is asked about
/// DISPLAY only when the answer matters.
const char *qtPlatformFor(const DisplaySession &session, const std::function<bool(std::string_view)> &xReachable);

/// Whether an X server accepts connections at `display` (":0", "unix:1.0",
/// "host:10.0"): a local one on its socket in `socketFolder`, or in the
/// abstract namespace under the same name, a remote one on its TCP port
/// within a quarter of a second.
bool xServerListening(std::string_view display, std::string_view socketFolder = "/tmp/.X11-unix");

} // namespace poniruka::platform
