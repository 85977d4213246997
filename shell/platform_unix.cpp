// SPDX-License-Identifier: MIT
#include "shell/platform.h"

#include "shell/commandline.h"
#include "shell/platform_unix.h"
#include "shell/runtimeerror.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QStringList>

#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace poniruka::platform {

namespace {

bool isOrdinaryFile(const std::string &path)
{
    return QFileInfo(QString::fromLocal8Bit(path)).isFile();
}

class DiskFiles : public FileLookup
{
public:
    bool isFile(const std::string &path) override { return isOrdinaryFile(path); }
};

// The command is split into the program and its arguments as Windows would
// read it, so nothing in the text is ever read by a shell. The desktop's
// window manager gives a new window the focus.
class DetachedPrograms : public ProgramStarter
{
public:
    void start(const std::string &command, int) override
    {
        const std::vector<std::string> words = splitCommandLine(command, isOrdinaryFile);
        if (words.empty())
            throw RuntimeError::of(RuntimeError::FileNotFound);
        QStringList arguments;
        for (auto it = words.begin() + 1; it != words.end(); ++it)
            arguments << QString::fromLocal8Bit(*it);
        if (!QProcess::startDetached(QString::fromLocal8Bit(words.front()), arguments))
            throw RuntimeError::of(RuntimeError::FileNotFound);
    }
};

bool given(const char *value)
{
    return value && *value;
}

// A socket that is closed when it goes.
struct Socket
{
    int fd;
    explicit Socket(int domain) : fd(::socket(domain, SOCK_STREAM | SOCK_CLOEXEC, 0)) { }
    ~Socket()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

bool unixListening(const std::string &path, bool abstract)
{
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0; // an abstract name begins with a NUL
    if (path.size() + offset >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + offset + path.size() + (abstract ? 0 : 1));
    const Socket socket(AF_UNIX);
    return socket.fd >= 0 && ::connect(socket.fd, reinterpret_cast<const sockaddr *>(&address), length) == 0;
}

bool tcpListening(const std::string &host, int port)
{
    addrinfo hints {};
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo *found = nullptr;
    if (::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
        return false;
    bool listening = false;
    for (const addrinfo *at = found; at && !listening; at = at->ai_next) {
        const Socket socket(at->ai_family);
        if (socket.fd < 0 || ::fcntl(socket.fd, F_SETFL, O_NONBLOCK) != 0)
            continue;
        if (::connect(socket.fd, at->ai_addr, at->ai_addrlen) == 0) {
            listening = true;
        } else if (errno == EINPROGRESS) {
            pollfd wait {socket.fd, POLLOUT, 0};
            int error = 0;
            socklen_t size = sizeof error;
            listening = ::poll(&wait, 1, 250) == 1 && ::getsockopt(socket.fd, SOL_SOCKET, SO_ERROR, &error, &size) == 0
                && error == 0;
        }
    }
    ::freeaddrinfo(found);
    return listening;
}

} // namespace

const char *qtPlatformFor(const DisplaySession &session, const std::function<bool(std::string_view)> &xReachable)
{
    if (given(session.qtPlatform) || session.platformArgument)
        return nullptr; // the user's choice
    const bool wayland
        = given(session.waylandDisplay) || (session.sessionType && std::strcmp(session.sessionType, "wayland") == 0);
    // Without Wayland Qt takes X by itself: no need to look for the server.
    if (!wayland || !given(session.display))
        return nullptr;
    return xReachable(session.display) ? "xcb" : nullptr;
}

bool xServerListening(std::string_view display, std::string_view socketFolder)
{
    // [protocol/][host]:number[.screen], as Xlib and xcb read it.
    std::string_view protocol;
    if (const std::size_t slash = display.find('/'); slash != std::string_view::npos) {
        protocol = display.substr(0, slash);
        display.remove_prefix(slash + 1);
    }
    const std::size_t colon = display.rfind(':');
    if (colon == std::string_view::npos)
        return false;
    const std::string host(display.substr(0, colon));
    std::string number(display.substr(colon + 1));
    number = number.substr(0, number.find('.'));
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos || number.size() > 5)
        return false;
    if (host.empty() || host == "unix" || protocol == "unix") {
        const std::string path = std::string(socketFolder) + "/X" + number;
#ifdef __linux__
        if (unixListening(path, true))
            return true;
#endif
        return unixListening(path, false);
    }
    return tcpListening(host, 6000 + std::stoi(number));
}

const char *preferredQtPlatform(int argc, char **argv)
{
    DisplaySession session {std::getenv("QT_QPA_PLATFORM"), false, std::getenv("DISPLAY"),
        std::getenv("WAYLAND_DISPLAY"), std::getenv("XDG_SESSION_TYPE")};
    for (int i = 1; i < argc; ++i)
        session.platformArgument = session.platformArgument || std::strcmp(argv[i], "-platform") == 0
            || std::strcmp(argv[i], "--platform") == 0;
    // A connection opened and closed at once: tens of microseconds locally.
    return qtPlatformFor(session, [](std::string_view display) { return xServerListening(display); });
}

std::shared_ptr<FileLookup> files()
{
    return std::make_shared<DiskFiles>();
}

std::shared_ptr<ProgramStarter> programs()
{
    return std::make_shared<DetachedPrograms>();
}

const char *defaultFace()
{
    return "IPAPGothic";
}

bool mayHaveDesignFaces()
{
    return false;
}

bool hintsPopFaces()
{
    return false;
}

// The packages the program is installed with bring its fonts.
void addBundledFonts() { }

QString qtTranslations()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

} // namespace poniruka::platform
