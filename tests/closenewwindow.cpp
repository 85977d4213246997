// SPDX-License-Identifier: MIT
// closenewwindow TITLE: waits for a top-level window titled TITLE to be
// mapped and asks it to close at once, as a window manager's close box does
// (WM_DELETE_WINDOW). Prints "ready" once it is watching, so that the
// window can be opened only then.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdio>
#include <cstring>

namespace {

bool titled(Display *display, Window window, const char *title)
{
    Atom type = None;
    int format = 0;
    unsigned long count = 0, left = 0;
    unsigned char *name = nullptr;
    const Atom property = XInternAtom(display, "_NET_WM_NAME", False);
    if (XGetWindowProperty(display, window, property, 0, 1024, False, XInternAtom(display, "UTF8_STRING", False), &type,
            &format, &count, &left, &name)
            != Success
        || !name)
        return false;
    const bool same = std::strcmp(reinterpret_cast<char *>(name), title) == 0;
    XFree(name);
    return same;
}

} // namespace

int main(int argc, char *argv[])
{
    Display *display = XOpenDisplay(nullptr);
    if (!display || argc != 2)
        return 2;
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    std::puts("ready");
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify || !titled(display, event.xmap.window, argv[1]))
            continue;
        XClientMessageEvent close {};
        close.type = ClientMessage;
        close.window = event.xmap.window;
        close.format = 32;
        close.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
        close.data.l[0] = long(XInternAtom(display, "WM_DELETE_WINDOW", False));
        close.data.l[1] = CurrentTime;
        XSendEvent(display, close.window, False, NoEventMask, reinterpret_cast<XEvent *>(&close));
        XCloseDisplay(display);
        return 0;
    }
}
