// SPDX-License-Identifier: MIT
#include "info/registry.h"
#include "info/sysinfo.h"
#include "shell/runtimeerror.h"

#include <QTest>

#include <cstring>
#include <utility>

using namespace poniruka;
using Texts = QByteArrayList;

namespace {

const QByteArray unavailable = "現時点ではｼｽﾃﾑ情報を使用できません";
const QByteArray path("C:\\\x83\x56\0\x83\x58\0", 9); // bytes above 127 in the system's code page, and zeros
const QByteArray folder = "C:\\Program Files\\MSInfo", inFolder = folder + "\\MSINFO32.EXE", x1024(1024, 'x');

/// What one registry location holds: nothing (type 0) or a value, maybe in a key that refuses write access.
struct Stored
{
    std::uint32_t type = 0;
    QByteArray bytes;
    bool readOnly = false;
};

/// A text as the registry stores it, with its terminating zero byte.
const auto text = [](const QByteArray &value, std::uint32_t type = Registry::Text) {
    return Stored {type, value + '\0'};
};

/// The registry's two locations, the file lookup, the program start and the message box, writing their calls into one
/// list. Only path, inFolder and x1024 exist as files, and only they start.
struct World final : Registry, SysInfoLauncher::Files, SysInfoLauncher::Programs, SysInfoLauncher::Messages
{
    const std::string keys[2]
        = {"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "SOFTWARE\\Microsoft\\Shared Tools Location"};
    Stored at[2];
    Texts files {path, inFolder, x1024}, calls;
    int keysOpen = 0;

    long RegOpenKeyExA(std::uint32_t root, const std::string &key, std::uint32_t, std::uint32_t access,
        std::uintptr_t &handle) override
    {
        const int i = key == keys[0] ? 0 : key == keys[1] ? 1 : 2;
        const bool refused = i < 2 && at[i].readOnly && (access & 0x26); // set value, create subkey, create link
        handle = root == LocalMachine && i < 2 && at[i].type && !refused ? i + 1 : 0;
        keysOpen += handle != 0;
        return handle ? NoError : refused ? AccessDenied : FileNotFound;
    }
    long RegQueryValueExA(std::uintptr_t handle, const std::string &, std::uint32_t &type, unsigned char *data,
        std::uint32_t &size) override
    {
        const std::uint32_t room = std::exchange(size, at[handle - 1].bytes.size());
        type = at[handle - 1].type;
        if (room >= size)
            std::memcpy(data, at[handle - 1].bytes.data(), size);
        return room < size ? MoreData : NoError;
    }
    long RegCloseKey(std::uintptr_t handle) override { return keysOpen -= handle != 0, NoError; }

    std::string Dir(const std::string &path) override
    {
        calls << "Dir " + QByteArray::fromStdString(path);
        return files.contains(QByteArray::fromStdString(path)) ? path.substr(path.rfind('\\') + 1) : "";
    }
    void Shell(const std::string &command, int windowStyle) override
    {
        calls << "Shell " + QByteArray::number(windowStyle) + ' ' + QByteArray::fromStdString(command);
        if (!files.contains(QByteArray::fromStdString(command)))
            throw RuntimeError::of(RuntimeError::FileNotFound);
    }
    void MsgBox(const std::string &prompt) override { calls << QByteArray::fromStdString(prompt); }
};

} // namespace

Q_DECLARE_METATYPE(Stored)

class TestSysInfo : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void startSysInfo_data()
    {
        QTest::addColumn<Stored>("location1");
        QTest::addColumn<Stored>("location2");
        QTest::addColumn<Texts>("calls"); // "Shell 1": a start in a normal window
        const auto row = [](const char *name, Stored location1, Stored location2, Texts calls) {
            QTest::newRow(name) << location1 << location2 << calls;
        };
        const Texts fromFolder {"Dir " + inFolder, "Shell 1 " + inFolder};
        row("text at 1: started as stored but its terminator, 2 not read", text(path), text(folder),
            {"Shell 1 " + path});
        row("text at 1 of 1024 bytes without terminator", {Registry::Text, x1024}, {}, {"Shell 1 " + x1024});
        row("text at 1 over 1024 bytes: absent", text(x1024), text(folder), fromFolder);
        row("key at 1 refusing write access: absent", {Registry::Text, path, true}, text(folder), fromFolder);
        row("empty value at 1: an error, 2 not read", {Registry::Text, ""}, text(folder), {unavailable});
        row("expandable text at 1: an empty command, 2 not read", text(path, Registry::ExpandableText), text(folder),
            {"Shell 1 ", unavailable});
        row("number at 1: unsigned digits, least significant byte first", {Registry::Number, "\x78\x56\x34\x92"}, {},
            {"Shell 1 2452903544", unavailable});
        row("folder at 2 without the program, backslash doubled", {}, text("C:\\"),
            {"Dir C:\\\\MSINFO32.EXE", unavailable});
    }

    // A press starts the program the registry names in a normal window, or shows the one message; it never raises,
    // and it closes every key it opened, once.
    void startSysInfo()
    {
        World world;
        QFETCH(Stored, location1);
        QFETCH(Stored, location2);
        world.at[0] = location1;
        world.at[1] = location2;
        SysInfoLauncher(world, world, world, world).StartSysInfo();
        QTEST(world.calls, "calls");
        QCOMPARE(world.keysOpen, 0);
    }
};

QTEST_GUILESS_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
