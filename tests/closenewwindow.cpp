// SPDX-License-Identifier: MIT
// closenewwindow TITLE: asks the first window titled TITLE to close the moment it is mapped, as a window manager's
// close box does (WM_DELETE_WINDOW). Prints "ready" once it is watching, so that the window is opened only then.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstring>
#include <iostream>

int main(int argc, char *argv[])
{
    Display *display = XOpenDisplay(nullptr);
    if (!display || argc != 2)
        return 2;
    const auto atom = [&](const char *name) { return XInternAtom(display, name, False); };
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    std::cout << "ready" << std::endl;
    for (XEvent event;;) {
        XNextEvent(display, &event);
        XTextProperty title {};
        if (event.type == MapNotify && XGetTextProperty(display, event.xmap.window, &title, atom("_NET_WM_NAME"))
            && title.value && std::strcmp(reinterpret_cast<char *>(title.value), argv[1]) == 0) {
            XEvent close {.xclient {ClientMessage, 0, False, display, event.xmap.window, atom("WM_PROTOCOLS"), 32, {}}};
            close.xclient.data.l[0] = long(atom("WM_DELETE_WINDOW"));
            XSendEvent(display, close.xclient.window, False, NoEventMask, &close);
            XCloseDisplay(display);
            return 0;
        }
        XFree(title.value);
    }
}
