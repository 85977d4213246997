// SPDX-License-Identifier: MIT
#include "fakes.h"

#include "info/frmabout.h"
#include "quiz/frmtime.h"

#include <QDir>
#include <QLabel>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

using namespace poniruka;
using namespace poniruka::test;

namespace {

// Opens the about box with "バージョン" on the first exercise.
FrmAbout &openAbout(Program &program)
{
    program.runtime().run([&] { program.runtime().Show(program.forms().frmtime()); });
    QTest::mouseClick(program.forms().frmtime().control<QWidget>("lblhelp"), Qt::LeftButton);
    return program.forms().frmAbout();
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void eachOpeningLoadsAfresh();
    void sysInfoButton_data();
    void sysInfoButton();
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
        QTest::mouseClick(about.control<QWidget>("cmdOK"), Qt::LeftButton);
        QVERIFY(!about.isLoaded());
        QVERIFY(program.forms().frmtime().isLoaded());
    }
}

void TestAbout::sysInfoButton_data()
{
    QTest::addColumn<QString>("installed"); // the programs on PATH
    QTest::addColumn<QString>("happened");  // what the program started was called, their folder as %1, or the message
    const auto row = [](const char *name, const char *installed, const char *happened) {
        QTest::newRow(name) << QString(installed) << QString(happened);
    };
    row("kinfocenter first", "hardinfo hardinfo2 gnome-system-monitor kinfocenter", "%1/kinfocenter");
    row("hardinfo2 before hardinfo and the process manager", "gnome-system-monitor hardinfo hardinfo2", "%1/hardinfo2");
    row("the process manager on its resources tab", "gnome-system-monitor", "%1/gnome-system-monitor -r");
    row("none: the message", "", "ぽにるか: 現時点ではｼｽﾃﾑ情報を使用できません");
}

// On a desktop the button really starts the first system information viewer on PATH, its path with blanks and the
// shell's characters taken as it is, never read by a shell; or it shows the titled message.
void TestAbout::sysInfoButton()
{
    QFETCH(QString, installed);
    QTemporaryDir dir(QDir::tempPath() + "/sys info $(true) `true`;|-XXXXXX");
    const QString marker = dir.filePath("marker");
    for (const QString &name : installed.split(' ', Qt::SkipEmptyParts)) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.setPermissions(QFile::ReadOwner | QFile::ExeOwner));
        file.write(QStringLiteral("#!/bin/sh\necho \"$0\" \"$@\" > '%1'\n").arg(marker).toUtf8());
    }
    const QByteArray savedPath = qgetenv("PATH");
    const auto restorePath = qScopeGuard([&] { qputenv("PATH", savedPath); });
    qputenv("PATH", QFile::encodeName(dir.path()));

    FakeWorld world;
    Program program({world.messages, world.random, nullptr, nullptr}); // the real file lookup and program start
    FrmAbout &about = openAbout(program);
    QTest::mouseClick(about.control<QWidget>("cmdSysInfo"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!world.messages->shown.empty() || QFile(marker).size() > 0, 10000);
    QString happened;
    for (const auto &[title, prompt] : world.messages->shown)
        happened += title + ": " + prompt;
    if (QFile ran(marker); ran.open(QIODevice::ReadOnly))
        happened += QString::fromLocal8Bit(ran.readAll().trimmed()).replace(dir.path(), "%1");
    QTEST(happened, "happened");
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
