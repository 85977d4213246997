// SPDX-License-Identifier: MIT
// Starts a program on the X display and measures what its user sees: the
// time from exec to its first window's mapping and to that window's first
// pixels, the time from that window's mapping to the next window's (the
// splash giving way to the menu), and the resident memory five seconds
// after exec, the menu long settled in. Prints one line:
//
//   mapped_ms 72.0 first_pixels_ms 81.2 next_window_ms 1003.4 rss_kib 32100
//
// next_window_ms is -1 when no second window comes within five seconds.
// Usage: bench_launch [--times] PROGRAM [ARGUMENT...]
// With --times, the program is stopped as soon as its second window is
// mapped, and rss_kib is -1: many starts take little time.
//
// The display must have a black root window (Xvfb -br): a window's first
// pixels are the first that are not black. No window manager may run.

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

double millisecondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

long residentKilobytes(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

class Display
{
public:
    Display() : m_connection(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(m_connection)) {
            std::fputs("bench_launch: cannot open the display\n", stderr);
            std::exit(2);
        }
        // Be told of every window mapped on the screen.
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
        const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_connection, root, XCB_CW_EVENT_MASK, &events);
        Reply<xcb_get_input_focus_reply_t>(
            xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr), std::free);
    }
    ~Display() { xcb_disconnect(m_connection); }

    /// The next window mapped other than `except`, or none before the deadline.
    std::optional<xcb_window_t> nextMapped(Clock::time_point deadline, xcb_window_t except = XCB_NONE)
    {
        for (;;) {
            while (xcb_generic_event_t *event = xcb_poll_for_event(m_connection)) {
                const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
                const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
                std::free(event);
                if (mapped && window != except)
                    return window;
            }
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left <= 0ms)
                return std::nullopt;
            pollfd fd {xcb_get_file_descriptor(m_connection), POLLIN, 0};
            poll(&fd, 1, int(left.count()));
        }
    }

    /// Whether any pixel of the window is not black yet.
    bool painted(xcb_window_t window)
    {
        Reply<xcb_get_geometry_reply_t> geometry(
            xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr), std::free);
        if (!geometry)
            return false;
        Reply<xcb_get_image_reply_t> image(xcb_get_image_reply(m_connection,
                                               xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                                   geometry->width, geometry->height, 0x00ffffff),
                                               nullptr),
            std::free);
        if (!image)
            return false;
        const std::uint8_t *data = xcb_get_image_data(image.get());
        const int length = xcb_get_image_data_length(image.get());
        for (int i = 0; i < length; ++i)
            if (data[i] != 0)
                return true;
        return false;
    }

private:
    xcb_connection_t *m_connection;
};

} // namespace

int main(int argc, char *argv[])
{
    const bool timesOnly = argc > 1 && std::strcmp(argv[1], "--times") == 0;
    if (timesOnly) {
        --argc;
        ++argv;
    }
    if (argc < 2) {
        std::fputs("usage: bench_launch [--times] PROGRAM [ARGUMENT...]\n", stderr);
        return 2;
    }
    Display display;
    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::perror("bench_launch");
        return 2;
    }

    double firstMapped = -1, firstPixels = -1, nextWindow = -1;
    if (const auto first = display.nextMapped(start + 10s)) {
        const Clock::time_point mapped = Clock::now();
        firstMapped = millisecondsBetween(start, mapped);
        while (!display.painted(*first) && Clock::now() < mapped + 5s)
            std::this_thread::sleep_for(200us);
        firstPixels = millisecondsBetween(start, Clock::now());
        if (display.nextMapped(mapped + 5s, *first))
            nextWindow = millisecondsBetween(mapped, Clock::now());
    }
    if (!timesOnly)
        std::this_thread::sleep_until(start + 5s);
    const long resident = timesOnly ? -1 : residentKilobytes(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);

    std::printf("mapped_ms %.1f first_pixels_ms %.1f next_window_ms %.1f rss_kib %ld\n", firstMapped, firstPixels,
        nextWindow, resident);
    return firstPixels < 0 ? 1 : 0;
}
