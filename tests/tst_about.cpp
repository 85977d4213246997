// SPDX-License-Identifier: MIT
#include "fakeregistry.h"
#include "fakes.h"

#include "info/frmabout.h"
#include "quiz/frmtime.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

using namespace poniruka;
using namespace poniruka::test;

namespace {

void click(Form &form, const char *control)
{
    QTest::mouseClick(form.control<QWidget>(control), Qt::LeftButton);
}

// Opens the about box with "バージョン" on the first exercise.
FrmAbout &openAbout(Program &program)
{
    program.runtime().run([&] { program.runtime().Show(program.forms().frmtime()); });
    click(program.forms().frmtime(), "lblhelp");
    return program.forms().frmAbout();
}

// A registry that names the system information program by `command`, or names none if it is empty.
std::shared_ptr<FakeRegistry> registryNaming(const QString &command)
{
    auto registry = std::make_shared<FakeRegistry>();
    if (!command.isEmpty())
        registry->setValue(
            "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH", {Registry::Text, command.toStdString() + '\0'});
    return registry;
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void eachOpeningLoadsAfresh();
    void sysInfoButton_data();
    void sysInfoButton();
#ifdef Q_OS_UNIX
    void realStartRunsOnlyTheNamedProgram_data();
    void realStartRunsOnlyTheNamedProgram();
#endif
};

// Each opening loads "<title>のﾊﾞｰｼﾞｮﾝ情報" with no blank, the version and the title; OK closes the box alone.
void TestAbout::eachOpeningLoadsAfresh()
{
    FakeWorld world;
    Program program(world.services(), AppInfo {QStringLiteral("ぽにるか"), 2, 10, 305});
    for (int opening = 0; opening < 2; ++opening) {
        FrmAbout &about = openAbout(program);
        QCOMPARE(about.window()->windowTitle(), QStringLiteral("ぽにるかのﾊﾞｰｼﾞｮﾝ情報"));
        QCOMPARE(about.control<QLabel>("lblVersion")->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 2.10.305"));
        QCOMPARE(about.control<QLabel>("lblTitle")->text(), QStringLiteral("ぽにるか"));
        click(about, "cmdOK");
        QVERIFY(!about.isLoaded());
        QVERIFY(program.forms().frmtime().isLoaded());
    }
}

void TestAbout::sysInfoButton_data()
{
    QTest::addColumn<QString>("registered");
    QTest::addColumn<int>("messages");
    QTest::newRow("program in the registry") << "C:\\Tools\\msinfo32.exe" << 0;
    QTest::newRow("nothing to start") << "" << 2;
}

// Each press starts the registered program in a normal window, or shows the one message; the box stays usable.
void TestAbout::sysInfoButton()
{
    QFETCH(QString, registered);
    QFETCH(int, messages);
    FakeWorld world;
    Program program(world.services(), QtRuntime::defaultApp(), registryNaming(registered));
    FrmAbout &about = openAbout(program);
    click(about, "cmdSysInfo");
    click(about, "cmdSysInfo");

    const std::vector<std::string> started(2 - messages, registered.toStdString());
    QCOMPARE(world.programs->started, started);
    QCOMPARE(world.programs->styles, std::vector<int>(started.size(), 1));
    QStringList shown;
    for (const FakeMessageBox::Shown &message : world.messages->shown)
        shown << message.title + ": " + message.prompt;
    QCOMPARE(shown, QStringList(messages, QStringLiteral("ぽにるか: 現時点ではｼｽﾃﾑ情報を使用できません")));
    click(about, "cmdOK");
    QVERIFY(!about.isLoaded());
}

#ifdef Q_OS_UNIX

void TestAbout::realStartRunsOnlyTheNamedProgram_data()
{
    QTest::addColumn<QStringList>("arguments"); // after the program's path in the registry value; none: no value
    QTest::newRow("the stand-in registry finds hardinfo on PATH") << QStringList();
    QTest::newRow("semicolon") << QStringList {";", "touch", "%1"};
    QTest::newRow("command substitution") << QStringList {"$(touch", "%1)"};
    QTest::newRow("backquotes") << QStringList {"`touch", "%1`"};
    QTest::newRow("pipe") << QStringList {"|", "touch", "%1"};
}

// The real start runs only the program the registry names, the rest of the value as plain arguments, no shell.
void TestAbout::realStartRunsOnlyTheNamedProgram()
{
    QFETCH(QStringList, arguments);
    QTemporaryDir dir;
    const QString program = dir.filePath("hardinfo"), marker = dir.filePath("marker"), owned = dir.filePath("owned");
    arguments.replaceInStrings("%1", owned);
    QFile script(program);
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' started \"$@\" > '%1'\n").arg(marker).toUtf8());
    script.close();
    QVERIFY(script.setPermissions(script.permissions() | QFileDevice::ExeOwner));

    FakeWorld world;
    // The real file lookup and program start.
    Program app({world.messages, world.random, nullptr, nullptr}, QtRuntime::defaultApp(),
        arguments.isEmpty() ? nullptr : registryNaming((QStringList(program) + arguments).join(' ')));
    FrmAbout &about = openAbout(app);
    const QByteArray path = qgetenv("PATH");
    if (arguments.isEmpty()) // the stand-in finds no other program it looks for
        qputenv("PATH", QFile::encodeName(dir.path()));
    click(about, "cmdSysInfo");
    qputenv("PATH", path);

    const auto written = [&] {
        QFile file(marker);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    QTRY_VERIFY_WITH_TIMEOUT(!written().isEmpty(), 10000);
    QCOMPARE(written(), (QStringList("started") + arguments).join('\n').toLocal8Bit() + '\n');
    QVERIFY(world.messages->shown.empty());
    QVERIFY(!QFile::exists(owned));
}

#endif

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
