// SPDX-License-Identifier: MIT
#include "fakeregistry.h"
#include "fakes.h"

#include "info/frmabout.h"
#include "quiz/frmtime.h"

#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace poniruka;
using namespace poniruka::test;

namespace {

const std::string programKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string unavailable = "現時点ではｼｽﾃﾑ情報を使用できません";

std::string terminated(const std::string &text)
{
    return text + '\0';
}

// A program that writes its arguments, one a line, into a marker file.
QString writeMarkerProgram(const QString &folder, const QString &name, const QString &marker)
{
    const QString path = folder + '/' + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    file.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' started \"$@\" > '%1'\n").arg(marker).toUtf8());
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return path;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void loadWritesTitleAndVersion();
    void okClosesAndReopeningLoadsAgain();
    void sysInfoStartsTheProgramFromTheRegistry();
    void sysInfoFailureLeavesTheBoxUsable();
#ifdef Q_OS_UNIX
    void standInStartsTheDesktopProgramForReal();
    void registryValueIsNeverReadByAShell_data();
    void registryValueIsNeverReadByAShell();
#endif

private:
    FrmAbout &openAbout(Program &program);
};

FrmAbout &TestAbout::openAbout(Program &program)
{
    program.runtime().run([&] { program.runtime().Show(program.forms().frmtime()); });
    QTest::mouseClick(program.forms().frmtime().control<QWidget>("lblhelp"), Qt::LeftButton);
    FrmAbout &about = program.forms().frmAbout();
    Q_ASSERT(about.isLoaded());
    return about;
}

// The about box names the program and its version, with no blank before "のﾊﾞｰｼﾞｮﾝ情報".
void TestAbout::loadWritesTitleAndVersion()
{
    FakeWorld world;
    Program program(world.services(), AppInfo {QStringLiteral("ぽにるか"), 2, 10, 305});
    FrmAbout &about = openAbout(program);
    QCOMPARE(about.window()->windowTitle(), QStringLiteral("ぽにるかのﾊﾞｰｼﾞｮﾝ情報"));
    QCOMPARE(about.control<QLabel>("lblVersion")->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 2.10.305"));
    QCOMPARE(about.control<QLabel>("lblTitle")->text(), QStringLiteral("ぽにるか"));
}

// OK closes the box and leaves the exercise; opened again, the box loads again.
void TestAbout::okClosesAndReopeningLoadsAgain()
{
    FakeWorld world;
    Program program(world.services());
    FrmAbout &about = openAbout(program);
    about.control<QLabel>("lblTitle")->setText(QStringLiteral("changed"));
    QTest::mouseClick(about.control<QWidget>("cmdOK"), Qt::LeftButton);
    QVERIFY(!about.isLoaded());
    QVERIFY(program.forms().frmtime().isLoaded());

    openAbout(program);
    QCOMPARE(about.control<QLabel>("lblTitle")->text(), QStringLiteral("ぽにるか"));
    QCOMPARE(about.control<QLabel>("lblVersion")->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.0.0"));
}

// The button starts the program the registry names, in a normal window, and shows nothing.
void TestAbout::sysInfoStartsTheProgramFromTheRegistry()
{
    FakeWorld world;
    auto registry = std::make_shared<FakeRegistry>();
    registry->setValue(programKey, "PATH", {Registry::Text, terminated("C:\\Tools\\msinfo32.exe")});
    Program program(world.services(), QtRuntime::defaultApp(), registry);
    FrmAbout &about = openAbout(program);

    QTest::mouseClick(about.control<QWidget>("cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(world.programs->started, std::vector<std::string> {"C:\\Tools\\msinfo32.exe"});
    QCOMPARE(world.programs->styles, std::vector<int> {1});
    QVERIFY(world.messages->shown.empty());
    QVERIFY(about.isLoaded());
}

// When nothing can be started the one message appears under the title, and the box stays usable.
void TestAbout::sysInfoFailureLeavesTheBoxUsable()
{
    FakeWorld world;
    Program program(world.services(), QtRuntime::defaultApp(), std::make_shared<FakeRegistry>());
    QSignalSpy ended(&program.runtime(), &QtRuntime::ended);
    FrmAbout &about = openAbout(program);

    for (int press = 1; press <= 2; ++press) {
        QTest::mouseClick(about.control<QWidget>("cmdSysInfo"), Qt::LeftButton);
        QCOMPARE(world.messages->shown.size(), std::size_t(press));
        QCOMPARE(world.messages->shown.back().title, QStringLiteral("ぽにるか"));
        QCOMPARE(world.messages->shown.back().prompt, QString::fromStdString(unavailable));
        QVERIFY(about.isLoaded());
    }
    QVERIFY(world.programs->started.empty());
    QTest::mouseClick(about.control<QWidget>("cmdOK"), Qt::LeftButton);
    QVERIFY(!about.isLoaded());
    QCOMPARE(ended.count(), 0);
}

#ifdef Q_OS_UNIX

// With the desktop's information program on PATH, the button really starts it.
void TestAbout::standInStartsTheDesktopProgramForReal()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString marker = dir.filePath(QStringLiteral("marker"));
    QVERIFY(!writeMarkerProgram(dir.path(), QStringLiteral("hardinfo"), marker).isEmpty());
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(dir.path()) + ':' + oldPath);

    FakeWorld world;
    QtRuntime::Services real = world.services();
    real.files = nullptr;
    real.programs = nullptr; // the real program start
    Program program(real);   // and the system's registry stand-in
    FrmAbout &about = openAbout(program);
    QTest::mouseClick(about.control<QWidget>("cmdSysInfo"), Qt::LeftButton);
    qputenv("PATH", oldPath);

    QVERIFY(world.messages->shown.empty());
    QTRY_VERIFY_WITH_TIMEOUT(readAll(marker).startsWith("started"), 10000);
}

void TestAbout::registryValueIsNeverReadByAShell_data()
{
    QTest::addColumn<QString>("tail");
    QTest::addColumn<QByteArray>("arguments");
    QTest::newRow("semicolon") << "; touch %1" << QByteArray("started\n;\ntouch\n%1\n");
    QTest::newRow("command substitution") << "$(touch %1)" << QByteArray("started\n$(touch\n%1)\n");
    QTest::newRow("backquotes") << "`touch %1`" << QByteArray("started\n`touch\n%1`\n");
    QTest::newRow("pipe") << "| touch %1" << QByteArray("started\n|\ntouch\n%1\n");
}

// Whatever the registry holds, only the program it names is started, with the rest as plain arguments.
void TestAbout::registryValueIsNeverReadByAShell()
{
    QFETCH(QString, tail);
    QFETCH(QByteArray, arguments);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString marker = dir.filePath(QStringLiteral("marker"));
    const QString owned = dir.filePath(QStringLiteral("owned"));
    const QString program = writeMarkerProgram(dir.path(), QStringLiteral("sysinfo"), marker);
    const std::string value = (program + ' ' + tail.arg(owned)).toStdString();

    FakeWorld world;
    QtRuntime::Services real = world.services();
    real.files = nullptr;
    real.programs = nullptr;
    auto registry = std::make_shared<FakeRegistry>();
    registry->setValue(programKey, "PATH", {Registry::Text, terminated(value)});
    Program app(real, QtRuntime::defaultApp(), registry);
    FrmAbout &about = openAbout(app);
    QTest::mouseClick(about.control<QWidget>("cmdSysInfo"), Qt::LeftButton);

    QTRY_VERIFY_WITH_TIMEOUT(!readAll(marker).isEmpty(), 10000);
    QCOMPARE(readAll(marker), QString::fromLatin1(arguments).arg(owned).toLocal8Bit());
    QVERIFY(!QFile::exists(owned));
}

#endif

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
