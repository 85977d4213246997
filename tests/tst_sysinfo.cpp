// SPDX-License-Identifier: MIT
#include "info/registry.h"
#include "info/sysinfo.h"
#include "shell/runtimeerror.h"
#include "tests/fakeregistry.h"

#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <new>
#include <stdexcept>
#include <string>

using namespace poniruka;
using namespace std::string_literals;

namespace {

const std::string programPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string programFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString unavailable = QStringLiteral("現時点ではｼｽﾃﾑ情報を使用できません");

/// What one registry location holds, as a row of a table describes it.
struct Stored
{
    enum Kind { Absent, KeyOnly, Present, ReadOnly };
    Kind kind = Absent;
    FakeRegistry::Value value;

    void storeAt(FakeRegistry &registry, const std::string &key, const std::string &name) const
    {
        switch (kind) {
        case Absent:
            return;
        case KeyOnly:
            registry.addKey(key);
            return;
        case ReadOnly:
            registry.setReadOnly(key);
            [[fallthrough]];
        case Present:
            registry.setValue(key, name, value);
            return;
        }
    }
};

Stored absent()
{
    return {};
}

Stored keyWithoutValue()
{
    return {Stored::KeyOnly, {}};
}

Stored raw(std::uint32_t type, std::string bytes)
{
    return {Stored::Present, {type, std::move(bytes)}};
}

// A text as the registry stores it: with its terminating zero byte.
Stored text(const std::string &value)
{
    return raw(Registry::Text, value + '\0');
}

Stored readOnly(Stored stored)
{
    stored.kind = Stored::ReadOnly;
    return stored;
}

QByteArray bytes(const std::string &value)
{
    return QByteArray::fromStdString(value);
}

class FakeFiles final : public SysInfoLauncher::Files
{
public:
    QByteArrayList existing;
    QByteArrayList lookups;
    bool throws = false;

    std::string Dir(const std::string &path) override
    {
        lookups << bytes(path);
        if (throws)
            throw std::runtime_error("lookup failed");
        if (!existing.contains(bytes(path)))
            return {};
        return path.substr(path.find_last_of("\\/") + 1);
    }
};

class FakeStarts final : public SysInfoLauncher::Programs
{
public:
    QByteArrayList installed;
    QByteArrayList commands;
    QList<int> styles;
    bool runsOutOfMemory = false;

    void Shell(const std::string &command, int windowStyle) override
    {
        commands << bytes(command);
        styles << windowStyle;
        if (runsOutOfMemory)
            throw std::bad_alloc();
        if (!installed.contains(bytes(command)))
            throw RuntimeError::of(RuntimeError::FileNotFound);
    }
};

class FakeMessages final : public SysInfoLauncher::Messages
{
public:
    QStringList prompts;

    void MsgBox(const std::string &prompt) override { prompts << QString::fromStdString(prompt); }
};

struct Bench
{
    FakeRegistry registry;
    FakeFiles files;
    FakeStarts starts;
    FakeMessages messages;
    SysInfoLauncher launcher {registry, files, starts, messages};

    QByteArrayList keysTried() const
    {
        QByteArrayList keys;
        for (const auto &open : registry.opens)
            keys << bytes(open.subKey);
        return keys;
    }
};

// Sets PATH for the life of the object.
class PathOverride
{
public:
    explicit PathOverride(const QByteArray &path) : m_saved(qgetenv("PATH")) { qputenv("PATH", path); }
    ~PathOverride() { qputenv("PATH", m_saved); }
    PathOverride(const PathOverride &) = delete;
    PathOverride &operator=(const PathOverride &) = delete;

private:
    QByteArray m_saved;
};

} // namespace

Q_DECLARE_METATYPE(Stored)

class TestSysInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startSysInfo_data();
    void startSysInfo();
    void failureInsideIsTrapped_data();
    void failureInsideIsTrapped();
    void secondPressStartsAfresh();
    void getKeyValue_data();
    void getKeyValue();
    void emptyValueRaisesAfterClosingKey();
#ifndef Q_OS_WIN
    void desktopRegistry_data();
    void desktopRegistry();
    void desktopRegistrySizeProtocol();
#endif
};

void TestSysInfo::startSysInfo_data()
{
    QTest::addColumn<Stored>("location1");
    QTest::addColumn<Stored>("location2");
    QTest::addColumn<QByteArrayList>("files");
    QTest::addColumn<QByteArrayList>("installed");
    QTest::addColumn<QByteArrayList>("keysTried");
    QTest::addColumn<QByteArrayList>("lookups");
    QTest::addColumn<QByteArrayList>("starts");
    QTest::addColumn<bool>("unavailable");

    const QByteArray path1 = "C:\\WINDOWS\\system32\\msinfo32.exe";
    const std::string folder = "C:\\Program Files\\Common Files\\Microsoft Shared\\MSInfo";
    const QByteArray inFolder = bytes(folder + "\\MSINFO32.EXE");
    const QByteArray key1 = bytes(programPathKey);
    const QByteArray key2 = bytes(programFolderKey);
    const std::string long1024(1024, 'x');

    QTest::newRow("location 1 started unchanged, location 2 never read")
        << text(path1.toStdString()) << text(folder) << QByteArrayList {} << QByteArrayList {path1}
        << QByteArrayList {key1} << QByteArrayList {} << QByteArrayList {path1} << false;
    QTest::newRow("location 2 folder gets the program file appended")
        << absent() << text(folder) << QByteArrayList {inFolder} << QByteArrayList {inFolder}
        << QByteArrayList {key1, key2} << QByteArrayList {inFolder} << QByteArrayList {inFolder} << false;
    QTest::newRow("location 2 folder ending in a backslash gets a second one")
        << absent() << text("C:\\MSInfo\\") << QByteArrayList {"C:\\MSInfo\\\\MSINFO32.EXE"}
        << QByteArrayList {"C:\\MSInfo\\\\MSINFO32.EXE"} << QByteArrayList {key1, key2}
        << QByteArrayList {"C:\\MSInfo\\\\MSINFO32.EXE"} << QByteArrayList {"C:\\MSInfo\\\\MSINFO32.EXE"} << false;
    QTest::newRow("location 2 folder without the program file")
        << absent() << text(folder) << QByteArrayList {} << QByteArrayList {inFolder} << QByteArrayList {key1, key2}
        << QByteArrayList {inFolder} << QByteArrayList {} << true;
    QTest::newRow("both locations absent")
        << absent() << absent() << QByteArrayList {} << QByteArrayList {} << QByteArrayList {key1, key2}
        << QByteArrayList {} << QByteArrayList {} << true;
    QTest::newRow("location 1 key without the value falls back to location 2")
        << keyWithoutValue() << text(folder) << QByteArrayList {inFolder} << QByteArrayList {inFolder}
        << QByteArrayList {key1, key2} << QByteArrayList {inFolder} << QByteArrayList {inFolder} << false;
    QTest::newRow("location 1 refusing write access counts as absent")
        << readOnly(text(path1.toStdString())) << text(folder) << QByteArrayList {inFolder}
        << QByteArrayList {inFolder, path1} << QByteArrayList {key1, key2} << QByteArrayList {inFolder}
        << QByteArrayList {inFolder} << false;
    QTest::newRow("location 2 refusing write access counts as absent")
        << absent() << readOnly(text(folder)) << QByteArrayList {inFolder} << QByteArrayList {inFolder}
        << QByteArrayList {key1, key2} << QByteArrayList {} << QByteArrayList {} << true;
    QTest::newRow("location 1 without terminator keeps its last byte")
        << raw(Registry::Text, "/usr/bin/kinfocenter") << absent() << QByteArrayList {}
        << QByteArrayList {"/usr/bin/kinfocenter"} << QByteArrayList {key1} << QByteArrayList {}
        << QByteArrayList {"/usr/bin/kinfocenter"} << false;
    QTest::newRow("location 2 without terminator keeps its last byte")
        << absent() << raw(Registry::Text, folder) << QByteArrayList {inFolder} << QByteArrayList {inFolder}
        << QByteArrayList {key1, key2} << QByteArrayList {inFolder} << QByteArrayList {inFolder} << false;
    QTest::newRow("location 1 of exactly 1024 bytes is read")
        << raw(Registry::Text, long1024) << text(folder) << QByteArrayList {inFolder}
        << QByteArrayList {bytes(long1024)} << QByteArrayList {key1} << QByteArrayList {}
        << QByteArrayList {bytes(long1024)} << false;
    QTest::newRow("location 1 longer than 1024 bytes counts as absent")
        << text(long1024) << text(folder) << QByteArrayList {inFolder} << QByteArrayList {inFolder, bytes(long1024)}
        << QByteArrayList {key1, key2} << QByteArrayList {inFolder} << QByteArrayList {inFolder} << false;
    QTest::newRow("location 1 expandable text is found but empty, start fails")
        << raw(Registry::ExpandableText, "%SystemRoot%\\system32\\msinfo32.exe\0"s) << text(folder)
        << QByteArrayList {inFolder} << QByteArrayList {inFolder} << QByteArrayList {key1} << QByteArrayList {}
        << QByteArrayList {""} << true;
    QTest::newRow("location 1 empty value is an error, location 2 never read")
        << raw(Registry::Text, "") << text(folder) << QByteArrayList {inFolder} << QByteArrayList {inFolder}
        << QByteArrayList {key1} << QByteArrayList {} << QByteArrayList {} << true;
    QTest::newRow("location 1 program that cannot start")
        << text(path1.toStdString()) << text(folder) << QByteArrayList {inFolder} << QByteArrayList {inFolder}
        << QByteArrayList {key1} << QByteArrayList {} << QByteArrayList {path1} << true;
    QTest::newRow("location 2 program that cannot start")
        << absent() << text(folder) << QByteArrayList {inFolder} << QByteArrayList {} << QByteArrayList {key1, key2}
        << QByteArrayList {inFolder} << QByteArrayList {inFolder} << true;
    QTest::newRow("location 2 expandable text leaves the emptied text of the first read")
        << keyWithoutValue() << raw(Registry::ExpandableText, folder + '\0') << QByteArrayList {"\\MSINFO32.EXE"}
        << QByteArrayList {"\\MSINFO32.EXE"} << QByteArrayList {key1, key2} << QByteArrayList {"\\MSINFO32.EXE"}
        << QByteArrayList {"\\MSINFO32.EXE"} << false;
    QTest::newRow("location 1 number started as its decimal digits")
        << raw(Registry::Number, "\x01\0\0\0"s) << text(folder) << QByteArrayList {inFolder}
        << QByteArrayList {inFolder} << QByteArrayList {key1} << QByteArrayList {} << QByteArrayList {"1"} << true;
    QTest::newRow("location 1 bytes above 127 started unconverted")
        << text("C:\\\x83\x56\x83\x58\x83\x65\x83\x80\\msinfo32.exe") << absent() << QByteArrayList {}
        << QByteArrayList {"C:\\\x83\x56\x83\x58\x83\x65\x83\x80\\msinfo32.exe"} << QByteArrayList {key1}
        << QByteArrayList {} << QByteArrayList {"C:\\\x83\x56\x83\x58\x83\x65\x83\x80\\msinfo32.exe"} << false;
}

void TestSysInfo::startSysInfo()
{
    // One press starts the program the registry names, or shows the one message, and closes what it opened.
    QFETCH(Stored, location1);
    QFETCH(Stored, location2);
    QFETCH(QByteArrayList, files);
    QFETCH(QByteArrayList, installed);

    Bench bench;
    location1.storeAt(bench.registry, programPathKey, "PATH");
    location2.storeAt(bench.registry, programFolderKey, "MSINFO");
    bench.files.existing = files;
    bench.starts.installed = installed;

    bench.launcher.StartSysInfo();

    QTEST(bench.keysTried(), "keysTried");
    QTEST(bench.files.lookups, "lookups");
    QTEST(bench.starts.commands, "starts");
    QFETCH(bool, unavailable);
    QCOMPARE(bench.messages.prompts, unavailable ? QStringList {::unavailable} : QStringList {});

    for (const int style : std::as_const(bench.starts.styles))
        QCOMPARE(style, 1);
    for (const auto &open : bench.registry.opens) {
        QCOMPARE(open.root, 0x80000002u);
        QCOMPARE(open.options, 0u);
        QCOMPARE(open.access, 0x2003Fu);
    }
    for (const auto &query : bench.registry.queries)
        QCOMPARE(query.sizeIn, 1024u);
    QVERIFY(bench.registry.everyKeyClosedOnce());
}

enum class Failure { OpenBinding, QueryBinding, Lookup, OutOfMemory };
Q_DECLARE_METATYPE(Failure)

void TestSysInfo::failureInsideIsTrapped_data()
{
    QTest::addColumn<Failure>("failure");

    QTest::newRow("registry open cannot be bound") << Failure::OpenBinding;
    QTest::newRow("registry query cannot be bound") << Failure::QueryBinding;
    QTest::newRow("file lookup throws") << Failure::Lookup;
    QTest::newRow("start runs out of memory") << Failure::OutOfMemory;
}

void TestSysInfo::failureInsideIsTrapped()
{
    // Whatever fails inside a press, nothing escapes, the message shows once and every key is closed.
    QFETCH(Failure, failure);

    Bench bench;
    if (failure == Failure::Lookup)
        bench.registry.setValue(programFolderKey, "MSINFO", text("C:\\MSInfo").value);
    else
        bench.registry.setValue(programPathKey, "PATH", text("C:\\msinfo32.exe").value);
    bench.files.existing = {"C:\\MSInfo\\MSINFO32.EXE"};
    bench.starts.installed = {"C:\\MSInfo\\MSINFO32.EXE", "C:\\msinfo32.exe"};
    bench.registry.failOpenBinding = failure == Failure::OpenBinding;
    bench.registry.failQueryBinding = failure == Failure::QueryBinding;
    bench.files.throws = failure == Failure::Lookup;
    bench.starts.runsOutOfMemory = failure == Failure::OutOfMemory;

    try {
        bench.launcher.StartSysInfo();
    } catch (...) {
        QFAIL("an exception escaped StartSysInfo");
    }

    QCOMPARE(bench.messages.prompts, QStringList {unavailable});
    QVERIFY(bench.registry.everyKeyClosedOnce());
}

void TestSysInfo::secondPressStartsAfresh()
{
    // Each press reads the registry again and starts from an empty program path.
    Bench bench;
    bench.registry.setValue(programPathKey, "PATH", text("C:\\first\\msinfo32.exe").value);
    bench.starts.installed = {"C:\\first\\msinfo32.exe", "\\MSINFO32.EXE"};
    bench.launcher.StartSysInfo();
    QCOMPARE(bench.starts.commands, QByteArrayList {"C:\\first\\msinfo32.exe"});

    // The second location's value is of a type that leaves the path as it was:
    // a path kept from the first press would show in the lookup.
    bench.registry.removeKey(programPathKey);
    bench.registry.setValue(programFolderKey, "MSINFO", raw(Registry::ExpandableText, "C:\\MSInfo\0"s).value);
    bench.files.existing = {"\\MSINFO32.EXE", "C:\\first\\msinfo32.exe\\MSINFO32.EXE"};
    bench.launcher.StartSysInfo();
    QCOMPARE(bench.files.lookups, QByteArrayList {"\\MSINFO32.EXE"});
    QCOMPARE(bench.starts.commands, (QByteArrayList {"C:\\first\\msinfo32.exe", "\\MSINFO32.EXE"}));

    bench.registry.removeKey(programFolderKey);
    bench.launcher.StartSysInfo();
    QCOMPARE(bench.registry.opens.size(), std::size_t {5});
    QCOMPARE(bench.starts.commands.size(), 2);
    QCOMPARE(bench.messages.prompts, QStringList {unavailable});
    QVERIFY(bench.registry.everyKeyClosedOnce());
}

void TestSysInfo::getKeyValue_data()
{
    QTest::addColumn<Stored>("stored");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QByteArray>("after");

    const std::string long1024(1024, 'a');

    QTest::newRow("text loses its terminator") << text("C:\\a.exe") << QByteArray() << true << QByteArray("C:\\a.exe");
    QTest::newRow("text without terminator keeps every byte")
        << raw(Registry::Text, "C:\\a.exe") << QByteArray() << true << QByteArray("C:\\a.exe");
    QTest::newRow("text with two zero bytes loses only the last")
        << raw(Registry::Text, "ab\0\0"s) << QByteArray() << true << bytes("ab\0"s);
    QTest::newRow("text with a zero byte inside keeps it")
        << raw(Registry::Text, "ab\0cd"s) << QByteArray() << true << bytes("ab\0cd"s);
    QTest::newRow("text of one zero byte is empty")
        << raw(Registry::Text, "\0"s) << QByteArray("old") << true << QByteArray();
    QTest::newRow("text replaces what the caller held")
        << text("new") << QByteArray("old") << true << QByteArray("new");
    QTest::newRow("text bytes above 127 kept unconverted")
        << text("\x83\x56\x83\x58\xe3\x82\xb7") << QByteArray() << true << QByteArray("\x83\x56\x83\x58\xe3\x82\xb7");
    QTest::newRow("text of exactly 1024 bytes is read")
        << raw(Registry::Text, long1024) << QByteArray() << true << bytes(long1024);
    QTest::newRow("1024 characters and terminator are too long")
        << text(long1024) << QByteArray("old") << false << QByteArray();
    QTest::newRow("missing key empties what the caller held") << absent() << QByteArray("old") << false << QByteArray();
    QTest::newRow("missing value empties what the caller held")
        << keyWithoutValue() << QByteArray("old") << false << QByteArray();
    QTest::newRow("key refusing write access empties what the caller held")
        << readOnly(text("new")) << QByteArray("old") << false << QByteArray();
    QTest::newRow("expandable text leaves what the caller held")
        << raw(Registry::ExpandableText, "%SystemRoot%\0"s) << QByteArray("old") << true << QByteArray("old");
    QTest::newRow("binary leaves what the caller held")
        << raw(Registry::Binary, "\x01\x02") << QByteArray("old") << true << QByteArray("old");
    QTest::newRow("number 1") << raw(Registry::Number, "\x01\0\0\0"s) << QByteArray() << true << QByteArray("1");
    QTest::newRow("number 0") << raw(Registry::Number, "\0\0\0\0"s) << QByteArray() << true << QByteArray("0");
    QTest::newRow("number 256, least significant byte first")
        << raw(Registry::Number, "\0\x01\0\0"s) << QByteArray() << true << QByteArray("256");
    QTest::newRow("number 0x12345678") << raw(Registry::Number, "\x78\x56\x34\x12") << QByteArray() << true
                                       << QByteArray("305419896");
    QTest::newRow("number with every bit set is unsigned")
        << raw(Registry::Number, "\xff\xff\xff\xff") << QByteArray() << true << QByteArray("4294967295");
    QTest::newRow("number replaces what the caller held")
        << raw(Registry::Number, "\x07\0\0\0"s) << QByteArray("C:\\") << true << QByteArray("7");
}

void TestSysInfo::getKeyValue()
{
    // A value is read by the byte rules, with read and write access, a 1024-byte buffer, and its key closed.
    QFETCH(Stored, stored);
    QFETCH(QByteArray, before);

    Bench bench;
    stored.storeAt(bench.registry, "SOFTWARE\\Test", "Value");
    std::string value = before.toStdString();

    const bool found = bench.launcher.GetKeyValue(0x80000002, "SOFTWARE\\Test", "Value", value);

    QTEST(found, "found");
    QTEST(bytes(value), "after");
    QCOMPARE(bench.registry.opens.size(), std::size_t {1});
    QCOMPARE(bench.registry.opens[0].access, 0x2003Fu);
    for (const auto &query : bench.registry.queries)
        QCOMPARE(query.sizeIn, 1024u);
    QVERIFY(bench.registry.everyKeyClosedOnce());
}

void TestSysInfo::emptyValueRaisesAfterClosingKey()
{
    // A value of no bytes raises an invalid-procedure-call error, and its key is closed first.
    Bench bench;
    bench.registry.setValue("SOFTWARE\\Test", "Value", raw(Registry::Text, "").value);
    std::string value = "old";

    try {
        bench.launcher.GetKeyValue(0x80000002, "SOFTWARE\\Test", "Value", value);
        QFAIL("no error for an empty value");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.code(), RuntimeError::InvalidProcedureCall);
    }
    QCOMPARE(bench.registry.opens.size(), std::size_t {1});
    QVERIFY(bench.registry.everyKeyClosedOnce());
}

#ifndef Q_OS_WIN
void TestSysInfo::desktopRegistry_data()
{
    // Each install is "folder/name", where folder a or b is on PATH in that order;
    // a trailing "/" makes a folder, a trailing " -x" a file that is not executable.
    QTest::addColumn<QStringList>("installs");
    QTest::addColumn<QString>("expected");

    QTest::newRow("hardinfo alone") << QStringList {"b/hardinfo"} << "b/hardinfo";
    QTest::newRow("kinfocenter before an earlier-folder hardinfo")
        << QStringList {"a/hardinfo", "b/kinfocenter"} << "b/kinfocenter";
    QTest::newRow("gnome-system-monitor before hardinfo2")
        << QStringList {"a/hardinfo2", "b/gnome-system-monitor"} << "b/gnome-system-monitor";
    QTest::newRow("hardinfo2 before hardinfo") << QStringList {"a/hardinfo", "a/hardinfo2"} << "a/hardinfo2";
    QTest::newRow("earlier PATH folder wins for one name") << QStringList {"b/hardinfo", "a/hardinfo"} << "a/hardinfo";
    QTest::newRow("file that is not executable is passed over")
        << QStringList {"a/kinfocenter -x", "b/hardinfo"} << "b/hardinfo";
    QTest::newRow("folder named like the program is passed over")
        << QStringList {"a/kinfocenter/", "b/hardinfo"} << "b/hardinfo";
    QTest::newRow("nothing installed") << QStringList {} << QString();
    QTest::newRow("only a file that is not executable") << QStringList {"a/hardinfo -x"} << QString();
}

void TestSysInfo::desktopRegistry()
{
    // The system registry's one value is the first desktop program on PATH, and a press starts it.
    QFETCH(QStringList, installs);
    QFETCH(QString, expected);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    QDir folder(root.path());
    QVERIFY(folder.mkpath("a") && folder.mkpath("b"));
    for (QString install : std::as_const(installs)) {
        if (install.endsWith('/')) {
            QVERIFY(folder.mkpath(install));
            continue;
        }
        const bool executable = !install.endsWith(" -x");
        install.remove(" -x");
        QFile file(folder.filePath(install));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.close();
        QVERIFY(file.setPermissions(
            QFile::ReadOwner | QFile::WriteOwner | (executable ? QFile::ExeOwner : QFile::Permissions())));
    }
    const PathOverride path(QFile::encodeName(folder.filePath("a") + ':' + folder.filePath("b")));
    const std::string program
        = expected.isEmpty() ? std::string() : QFile::encodeName(folder.filePath(expected)).toStdString();

    auto registry = makeSystemRegistry();
    std::uintptr_t key = 0;
    const long opened = registry->RegOpenKeyExA(0x80000002, programPathKey, 0, 0x2003F, key);
    if (program.empty()) {
        QVERIFY(opened != 0);
    } else {
        QCOMPARE(opened, 0L);
        unsigned char data[1024] = {};
        std::uint32_t type = 0;
        std::uint32_t size = sizeof data;
        QCOMPARE(registry->RegQueryValueExA(key, "PATH", type, data, size), 0L);
        QCOMPARE(type, 1u);
        QCOMPARE(bytes(std::string(reinterpret_cast<const char *>(data), size)), bytes(program + '\0'));
        QCOMPARE(registry->RegCloseKey(key), 0L);
    }

    FakeFiles files;
    FakeStarts starts;
    starts.installed = {bytes(program)};
    FakeMessages messages;
    SysInfoLauncher launcher(*registry, files, starts, messages);
    launcher.StartSysInfo();
    QCOMPARE(starts.commands, program.empty() ? QByteArrayList {} : QByteArrayList {bytes(program)});
    QCOMPARE(messages.prompts, program.empty() ? QStringList {unavailable} : QStringList {});
}

void TestSysInfo::desktopRegistrySizeProtocol()
{
    // The system registry answers sizes like Windows and knows no other key or value.
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QFile file(root.filePath("hardinfo"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const PathOverride path(QFile::encodeName(root.path()));
    const std::string program = QFile::encodeName(file.fileName()).toStdString();
    const auto needed = static_cast<std::uint32_t>(program.size() + 1);

    auto registry = makeSystemRegistry();
    std::uintptr_t key = 0;
    QCOMPARE(registry->RegOpenKeyExA(0x80000002, programFolderKey, 0, 0x2003F, key), 2L);
    QCOMPARE(registry->RegOpenKeyExA(0x80000001, programPathKey, 0, 0x2003F, key), 2L);
    QCOMPARE(registry->RegOpenKeyExA(0x80000002, programPathKey, 0, 0x2003F, key), 0L);
    QVERIFY(key != 0);

    std::uint32_t type = 0;
    std::uint32_t size = 0;
    QCOMPARE(registry->RegQueryValueExA(key, "PATH", type, nullptr, size), 0L);
    QCOMPARE(size, needed);

    std::string small(needed - 1, '*');
    size = needed - 1;
    QCOMPARE(
        registry->RegQueryValueExA(key, "PATH", type, reinterpret_cast<unsigned char *>(small.data()), size), 234L);
    QCOMPARE(size, needed);

    size = 1024;
    unsigned char data[1024] = {};
    QCOMPARE(registry->RegQueryValueExA(key, "MSINFO", type, data, size), 2L);

    QCOMPARE(registry->RegCloseKey(key), 0L);
    QVERIFY(registry->RegCloseKey(key) != 0);
    size = 1024;
    QVERIFY(registry->RegQueryValueExA(key, "PATH", type, data, size) != 0);
}
#endif

QTEST_GUILESS_MAIN(TestSysInfo)
#include "tst_sysinfo.moc"
