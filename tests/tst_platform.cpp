// SPDX-License-Identifier: MIT
// Which Qt platform the program asks for on a Unix desktop, and how it finds
// an X server: against real sockets in the test's own folder and on loopback.
#include "shell/platform_unix.h"

#include <QTemporaryDir>
#include <QTest>

#include <cstring>
#include <string>

#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace poniruka;

namespace {

enum class Server { Listening, ListeningAbstract, Stale, None, TcpListening, TcpClosed };

// A socket a server would have: bound, and listening unless it is stale.
class FakeServer
{
public:
    FakeServer(Server kind, const std::string &folder)
    {
        if (kind == Server::None)
            return;
        if (kind == Server::TcpListening || kind == Server::TcpClosed) {
            m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
            sockaddr_in address {};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            socklen_t size = sizeof address;
            ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), size);
            ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &size);
            m_number = ntohs(address.sin_port) - 6000; // ports given out are far above 6000
            if (kind == Server::TcpClosed)
                close();
            else
                ::listen(m_fd, 1);
            return;
        }
        const bool abstract = kind == Server::ListeningAbstract;
        const std::string path = folder + "/X" + std::to_string(m_number);
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + (abstract ? 1 : 0), path.data(), path.size());
        m_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ::bind(
            m_fd, reinterpret_cast<sockaddr *>(&address), socklen_t(offsetof(sockaddr_un, sun_path) + path.size() + 1));
        if (kind == Server::Stale)
            close(); // the file stays, as after a server that crashed
        else
            ::listen(m_fd, 1);
    }
    ~FakeServer() { close(); }
    FakeServer(const FakeServer &) = delete;
    FakeServer &operator=(const FakeServer &) = delete;

    /// The display number it serves.
    int number() const { return m_number; }

private:
    void close()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = -1;
    }
    int m_fd = -1;
    int m_number = 7;
};

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void qtPlatformFor_data()
    {
        QTest::addColumn<QByteArray>("qtPlatform"); // null: unset
        QTest::addColumn<bool>("argument");
        QTest::addColumn<QByteArray>("display");
        QTest::addColumn<QByteArray>("wayland");
        QTest::addColumn<QByteArray>("sessionType");
        QTest::addColumn<bool>("xReachable");
        QTest::addColumn<QString>("chosen"); // empty: Qt's choice
        QTest::addColumn<bool>("looked");    // whether the X server was looked for
        const auto row = [](const char *name, const char *qtPlatform, bool argument, const char *display,
                             const char *wayland, const char *sessionType, bool x, const char *chosen, bool looked) {
            QTest::newRow(name) << QByteArray(qtPlatform) << argument << QByteArray(display) << QByteArray(wayland)
                                << QByteArray(sessionType) << x << QString::fromLatin1(chosen) << looked;
        };
        row("Wayland with XWayland: X", nullptr, false, ":0", "wayland-0", "wayland", true, "xcb", true);
        row("Wayland, a DISPLAY but no server: Qt's", nullptr, false, ":0", "wayland-0", "wayland", false, "", true);
        row("Wayland without DISPLAY: Qt's", nullptr, false, nullptr, "wayland-0", "wayland", true, "", false);
        row("Wayland told by the session type alone: X", nullptr, false, ":1", nullptr, "wayland", true, "xcb", true);
        row("Wayland told by its display alone: X", nullptr, false, ":1", "wayland-1", nullptr, true, "xcb", true);
        row("an empty QT_QPA_PLATFORM is unset", "", false, ":0", "wayland-0", "wayland", true, "xcb", true);
        row("X alone: Qt takes it itself", nullptr, false, ":0", nullptr, "x11", true, "", false);
        row("X alone, no server: Qt's", nullptr, false, ":0", nullptr, nullptr, false, "", false);
        row("no display at all: Qt's", nullptr, false, nullptr, nullptr, nullptr, false, "", false);
        row("QT_QPA_PLATFORM=wayland: the user's", "wayland", false, ":0", "wayland-0", "wayland", true, "", false);
        row("QT_QPA_PLATFORM=offscreen: the user's", "offscreen", false, ":0", "wayland-0", "wayland", true, "", false);
        row("-platform on the command line: the user's", nullptr, true, ":0", "wayland-0", "wayland", true, "", false);
    }

    // The program asks for X where Wayland and a reachable X server are both there and the user chose nothing,
    // and looks for the server only where the answer decides.
    void qtPlatformFor()
    {
        QFETCH(QByteArray, qtPlatform);
        QFETCH(bool, argument);
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, wayland);
        QFETCH(QByteArray, sessionType);
        QFETCH(bool, xReachable);
        const auto value = [](const QByteArray &text) { return text.isNull() ? nullptr : text.constData(); };
        const platform::DisplaySession session {
            value(qtPlatform), argument, value(display), value(wayland), value(sessionType)};
        QStringList asked;
        const char *chosen = platform::qtPlatformFor(session, [&](std::string_view name) {
            asked << QString::fromLatin1(name.data(), qsizetype(name.size()));
            return xReachable;
        });
        QTEST(QString::fromLatin1(chosen), "chosen");
        QFETCH(bool, looked);
        QCOMPARE(asked, looked ? QStringList {QString::fromLatin1(display)} : QStringList {});
    }

    void xServerListening_data()
    {
        QTest::addColumn<Server>("server");
        QTest::addColumn<QString>("display"); // %1: the server's number
        QTest::addColumn<bool>("listening");
        QTest::newRow("its socket") << Server::Listening << ":%1" << true;
        QTest::newRow("its socket, a screen named") << Server::Listening << ":%1.1" << true;
        QTest::newRow("its socket, unix: before") << Server::Listening << "unix:%1.0" << true;
        QTest::newRow("its socket, a protocol named") << Server::Listening << "unix/:%1" << true;
        QTest::newRow("its abstract socket") << Server::ListeningAbstract << ":%1" << true;
        QTest::newRow("a socket left by a server gone") << Server::Stale << ":%1" << false;
        QTest::newRow("no socket") << Server::None << ":%1" << false;
        QTest::newRow("another number") << Server::Listening << ":1%1" << false;
        QTest::newRow("its TCP port") << Server::TcpListening << "127.0.0.1:%1" << true;
        QTest::newRow("its TCP port, a screen named") << Server::TcpListening << "127.0.0.1:%1.0" << true;
        QTest::newRow("a TCP port nobody listens on") << Server::TcpClosed << "127.0.0.1:%1" << false;
        QTest::newRow("no number") << Server::Listening << ":" << false;
        QTest::newRow("not a number") << Server::Listening << ":x%1" << false;
        QTest::newRow("no colon") << Server::Listening << "%1" << false;
    }

    // An X server is found where it listens, and not where a socket is left without one.
    void xServerListening()
    {
        QFETCH(Server, server);
        QFETCH(QString, display);
        const QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const FakeServer fake(server, folder.path().toStdString());
        const std::string name = display.arg(fake.number()).toStdString();
        QTEST(platform::xServerListening(name, folder.path().toStdString()), "listening");
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
