// SPDX-License-Identifier: MIT
#include "fakeregistry.h"

#include "info/sysinfo.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <new>

using namespace poniruka;

namespace {

using ByteTexts = QByteArrayList;
const std::string pathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QByteArray unavailable = "現時点ではｼｽﾃﾑ情報を使用できません";

/// What one registry location holds: nothing (type 0), or a value, maybe in a key that refuses write access.
struct Stored
{
    std::uint32_t type = 0;
    QByteArray bytes;
    bool readOnly = false;
};

/// A text as the registry stores it, with its terminating zero byte.
Stored text(const QByteArray &value, std::uint32_t type = Registry::Text)
{
    return {type, value + '\0'};
}

/// The file lookup, the program start and the message box, writing their calls into one list. Only the listed
/// files exist, and only they start.
class Outside final : public SysInfoLauncher::Files, public SysInfoLauncher::Programs, public SysInfoLauncher::Messages
{
public:
    ByteTexts files;
    ByteTexts calls;
    QList<int> styles;
    bool outOfMemory = false;

    std::string Dir(const std::string &path) override
    {
        calls << "Dir " + QByteArray::fromStdString(path);
        return files.contains(QByteArray::fromStdString(path)) ? path.substr(path.rfind('\\') + 1) : "";
    }
    void Shell(const std::string &command, int windowStyle) override
    {
        calls << "Shell " + QByteArray::fromStdString(command);
        styles << windowStyle;
        if (outOfMemory)
            throw std::bad_alloc();
        if (!files.contains(QByteArray::fromStdString(command)))
            throw RuntimeError::of(RuntimeError::FileNotFound);
    }
    void MsgBox(const std::string &prompt) override { calls << QByteArray::fromStdString(prompt); }
};

/// The launcher on a fake registry and a fake outside world.
struct Fixture
{
    FakeRegistry registry;
    Outside outside;
    SysInfoLauncher launcher {registry, outside, outside, outside};

    void store(const std::string &key, const std::string &name, const Stored &stored)
    {
        if (stored.type)
            registry.setValue(key, name, {stored.type, stored.bytes.toStdString()});
        if (stored.readOnly)
            registry.readOnly.insert(key);
    }
};

} // namespace

Q_DECLARE_METATYPE(Stored)

class TestSysInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startSysInfo_data();
    void startSysInfo();
    void pressesRememberNothing();
    void failureInsideIsTrapped();
    void getKeyValue_data();
    void getKeyValue();
#ifndef Q_OS_WIN
    void desktopRegistry_data();
    void desktopRegistry();
#endif
};

void TestSysInfo::startSysInfo_data()
{
    QTest::addColumn<Stored>("location1");
    QTest::addColumn<Stored>("location2");
    QTest::addColumn<ByteTexts>("files");
    QTest::addColumn<int>("keysOpened");
    QTest::addColumn<ByteTexts>("calls");

    const QByteArray path = "C:\\\x83\x56\x83\x58\\msinfo32.exe"; // bytes above 127 in the system's code page
    const QByteArray folder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
    const QByteArray inFolder = folder + "\\MSINFO32.EXE";
    const QByteArray long1024(1024, 'x');
    const QByteArray backslashed = "C:\\MSInfo\\\\MSINFO32.EXE";
    // clang-format off
    QTest::newRow("location 1 started unconverted, location 2 never read")
        << text(path) << text(folder) << ByteTexts {path, inFolder} << 1 << ByteTexts {"Shell " + path};
    QTest::newRow("location 1 of 1024 bytes without terminator is read whole")
        << Stored {Registry::Text, long1024} << Stored {} << ByteTexts {long1024} << 1
        << ByteTexts {"Shell " + long1024};
    QTest::newRow("location 1 longer than 1024 bytes counts as absent")
        << text(long1024) << text(folder) << ByteTexts {long1024, inFolder} << 2
        << ByteTexts {"Dir " + inFolder, "Shell " + inFolder};
    QTest::newRow("location 1 refusing write access counts as absent")
        << Stored {Registry::Text, path + '\0', true} << text(folder) << ByteTexts {path, inFolder} << 2
        << ByteTexts {"Dir " + inFolder, "Shell " + inFolder};
    QTest::newRow("location 1 program that cannot start")
        << text(path) << text(folder) << ByteTexts {inFolder} << 1 << ByteTexts {"Shell " + path, unavailable};
    QTest::newRow("location 1 empty value is an error, location 2 never read")
        << Stored {Registry::Text, ""} << text(folder) << ByteTexts {inFolder} << 1 << ByteTexts {unavailable};
    QTest::newRow("location 1 expandable text starts an empty command")
        << text(path, Registry::ExpandableText) << text(folder) << ByteTexts {inFolder} << 1
        << ByteTexts {"Shell ", unavailable};
    QTest::newRow("location 1 number started as its digits")
        << Stored {Registry::Number, QByteArray("\x01\0\0\0", 4)} << Stored {} << ByteTexts {} << 1
        << ByteTexts {"Shell 1", unavailable};
    QTest::newRow("location 2 folder ending in a backslash gets a second one")
        << Stored {} << text("C:\\MSInfo\\") << ByteTexts {backslashed} << 2
        << ByteTexts {"Dir " + backslashed, "Shell " + backslashed};
    QTest::newRow("location 2 folder without the program file")
        << Stored {} << text(folder) << ByteTexts {} << 2 << ByteTexts {"Dir " + inFolder, unavailable};
    QTest::newRow("location 2 expandable text leaves the emptied text of the first read")
        << Stored {} << text(folder, Registry::ExpandableText) << ByteTexts {"\\MSINFO32.EXE"} << 2
        << ByteTexts {"Dir \\MSINFO32.EXE", "Shell \\MSINFO32.EXE"};
    QTest::newRow("both locations absent")
        << Stored {} << Stored {} << ByteTexts {} << 2 << ByteTexts {unavailable};
    // clang-format on
}

// A press starts the program the registry names in a normal window, or shows the one message. It opens the two
// keys below HKEY_LOCAL_MACHINE for reading and writing, reads into 1024 bytes, and closes each key it opened once.
void TestSysInfo::startSysInfo()
{
    QFETCH(Stored, location1);
    QFETCH(Stored, location2);
    QFETCH(ByteTexts, files);
    Fixture f;
    f.store(pathKey, "PATH", location1);
    f.store(folderKey, "MSINFO", location2);
    f.outside.files = files;

    f.launcher.StartSysInfo();
    QTEST(int(f.registry.opens.size()), "keysOpened");
    QTEST(f.outside.calls, "calls");
    for (const FakeRegistry::Open &open : f.registry.opens) {
        QCOMPARE(open.root, 0x80000002u);
        QCOMPARE(open.options, 0u);
        QCOMPARE(open.access, 0x2003Fu);
    }
    for (const std::uint32_t size : f.registry.querySizes)
        QCOMPARE(size, 1024u);
    QCOMPARE(f.outside.styles, QList<int>(f.outside.styles.size(), 1));
    QVERIFY(f.registry.everyKeyClosedOnce());
}

// Every press reads the registry again, from an empty program path.
void TestSysInfo::pressesRememberNothing()
{
    Fixture f;
    f.store(pathKey, "PATH", text("C:\\first\\msinfo32.exe"));
    f.outside.files = {"C:\\first\\msinfo32.exe", "\\MSINFO32.EXE", "C:\\first\\msinfo32.exe\\MSINFO32.EXE"};
    f.launcher.StartSysInfo();
    // A value of this type leaves the path as it was: one kept from the first press would show in the lookup.
    f.registry.keys.erase(pathKey);
    f.store(folderKey, "MSINFO", text("C:\\MSInfo", Registry::ExpandableText));
    f.launcher.StartSysInfo();

    QCOMPARE(
        f.outside.calls, ByteTexts({"Shell C:\\first\\msinfo32.exe", "Dir \\MSINFO32.EXE", "Shell \\MSINFO32.EXE"}));
    QCOMPARE(f.registry.opens.size(), std::size_t(3));
    QVERIFY(f.registry.everyKeyClosedOnce());
}

// Whatever fails inside a press, nothing escapes and the message shows: a registry function that cannot be bound
// (its key closed all the same), a start that runs out of memory.
void TestSysInfo::failureInsideIsTrapped()
{
    Fixture f;
    f.store(pathKey, "PATH", text("C:\\msinfo32.exe"));
    f.outside.files = {"C:\\msinfo32.exe"};
    f.registry.queryThrows = true;
    QVERIFY_THROWS_NO_EXCEPTION(f.launcher.StartSysInfo());
    f.registry.queryThrows = false;
    f.outside.outOfMemory = true;
    QVERIFY_THROWS_NO_EXCEPTION(f.launcher.StartSysInfo());

    QCOMPARE(f.outside.calls, ByteTexts({unavailable, "Shell C:\\msinfo32.exe", unavailable}));
    QVERIFY(f.registry.everyKeyClosedOnce());
}

void TestSysInfo::getKeyValue_data()
{
    QTest::addColumn<Stored>("stored");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("after"); // what the caller's "old" became

    const QByteArray odd("C:\\\x83\x56\0\x83\x58\0", 9);
    QTest::newRow("text replaces it, bytes above 127 and zeros kept but the last") << text(odd) << true << odd;
    QTest::newRow("number, least significant byte first, unsigned")
        << Stored {Registry::Number, "\x78\x56\x34\x92"} << true << QByteArray("2452903544");
    QTest::newRow("expandable text leaves it") << text("%x%", Registry::ExpandableText) << true << QByteArray("old");
    QTest::newRow("missing key empties it") << Stored {} << false << QByteArray();
    QTest::newRow("empty value raises") << Stored {Registry::Text, ""} << false << QByteArray("error 5");
}

// A read replaces the caller's text, a failed one empties it, a value of another type leaves it, an empty value
// raises an invalid procedure call; the key is closed every time.
void TestSysInfo::getKeyValue()
{
    QFETCH(Stored, stored);
    Fixture f;
    f.store("SOFTWARE\\Test", "Value", stored);
    std::string value = "old";
    bool found = false;
    try {
        found = f.launcher.GetKeyValue(Registry::LocalMachine, "SOFTWARE\\Test", "Value", value);
    } catch (const RuntimeError &error) {
        value = "error " + std::to_string(error.code());
    }
    QTEST(found, "found");
    QTEST(QByteArray::fromStdString(value), "after");
    QVERIFY(f.registry.everyKeyClosedOnce());
}

#ifndef Q_OS_WIN
void TestSysInfo::desktopRegistry_data()
{
    // Each install is "folder/name", folder a before b on PATH; a trailing "/" makes a folder, " -x" a file that
    // is not executable.
    QTest::addColumn<QStringList>("installs");
    QTest::addColumn<QString>("expected"); // the command, the root folder as %1

    QTest::newRow("kinfocenter beats hardinfo2 in an earlier folder")
        << QStringList {"a/hardinfo2", "b/kinfocenter"} << "\"%1/b/kinfocenter\"";
    QTest::newRow("hardinfo2 beats hardinfo, the earlier folder wins")
        << QStringList {"b/hardinfo2", "a/hardinfo", "a/hardinfo2"} << "\"%1/a/hardinfo2\"";
    QTest::newRow("a viewer beats the process manager")
        << QStringList {"a/gnome-system-monitor", "b/hardinfo"} << "\"%1/b/hardinfo\"";
    QTest::newRow("the process manager alone, on its resources tab")
        << QStringList {"b/gnome-system-monitor"} << "\"%1/b/gnome-system-monitor\" -r";
    QTest::newRow("a folder and a file that is not executable are passed over")
        << QStringList {"a/kinfocenter -x", "a/hardinfo2/", "b/hardinfo"} << "\"%1/b/hardinfo\"";
    QTest::newRow("nothing executable") << QStringList {"a/hardinfo -x"} << QString();
}

// The stand-in's one value is the command of the first viewer on PATH, read as on Windows: the size first, "more
// data" for a small buffer, then the text with its terminator.
void TestSysInfo::desktopRegistry()
{
    QFETCH(QStringList, installs);
    QFETCH(QString, expected);
    QTemporaryDir root;
    QDir dir(root.path());
    QVERIFY(dir.mkpath("a") && dir.mkpath("b"));
    for (const QString &install : std::as_const(installs)) {
        const QString path = dir.filePath(QString(install).remove(" -x"));
        QFile file(path);
        QVERIFY(install.endsWith('/') ? dir.mkpath(path) : file.open(QIODevice::WriteOnly));
        QVERIFY(file.setPermissions(QFile::ReadOwner | (install.endsWith(" -x") ? QFile::ReadOwner : QFile::ExeOwner)));
    }
    const QByteArray savedPath = qgetenv("PATH");
    const auto restorePath = qScopeGuard([&] { qputenv("PATH", savedPath); });
    qputenv("PATH", QFile::encodeName(dir.filePath("a") + ':' + dir.filePath("b")));
    const std::string program = QFile::encodeName(expected.arg(dir.path())).toStdString();

    auto registry = makeSystemRegistry();
    std::uintptr_t key = 0;
    QCOMPARE(registry->RegOpenKeyExA(0x80000002, folderKey, 0, 0x2003F, key), 2L);
    QCOMPARE(registry->RegOpenKeyExA(0x80000001, pathKey, 0, 0x2003F, key), 2L);
    QCOMPARE(registry->RegOpenKeyExA(0x80000002, pathKey, 0, 0x2003F, key), program.empty() ? 2L : 0L);
    if (!program.empty()) {
        const auto needed = std::uint32_t(program.size() + 1);
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        QCOMPARE(registry->RegQueryValueExA(key, "PATH", type, nullptr, size), 0L);
        QCOMPARE(size, needed);
        std::string data(needed, '*');
        const auto bytes = reinterpret_cast<unsigned char *>(data.data());
        size = needed - 1;
        QCOMPARE(registry->RegQueryValueExA(key, "PATH", type, bytes, size), 234L);
        QCOMPARE(size, needed);
        QCOMPARE(registry->RegQueryValueExA(key, "MSINFO", type, bytes, size), 2L);
        QCOMPARE(registry->RegQueryValueExA(key, "PATH", type, bytes, size), 0L);
        QCOMPARE(type, 1u);
        QCOMPARE(QByteArray::fromStdString(data), QByteArray::fromStdString(program + '\0'));
        QCOMPARE(registry->RegCloseKey(key), 0L);
        QVERIFY(registry->RegCloseKey(key) != 0);
        QVERIFY(registry->RegQueryValueExA(key, "PATH", type, bytes, size) != 0);
    }
}
#endif

QTEST_GUILESS_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
