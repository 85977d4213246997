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

class TestAbout : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sysInfoButton_data()
    {
        QTest::addColumn<QString>("installed"); // the programs on PATH
        // What the program started was called, their folder as %1, or the message.
        QTest::addColumn<QString>("happened");
        const auto row = [](const char *name, const char *installed, const char *happened) {
            QTest::newRow(name) << QString(installed) << QString(happened);
        };
        row("kinfocenter first", "hardinfo hardinfo2 gnome-system-monitor kinfocenter", "%1/kinfocenter");
        row("hardinfo2 before hardinfo and the process manager", "gnome-system-monitor hardinfo hardinfo2",
            "%1/hardinfo2");
        row("the process manager on its resources tab", "gnome-system-monitor", "%1/gnome-system-monitor -r");
        row("none: the message", "", "ぽにるか: 現時点ではｼｽﾃﾑ情報を使用できません");
    }

    // On a desktop the system information button really starts the first system information viewer on PATH, its path
    // with blanks and the shell's characters taken as it is, never read by a shell; or it shows the titled message.
    void sysInfoButton()
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

        FakeWorld world; // the real file lookup and program start
        Program program({world.messages, world.random, nullptr, nullptr}, AppInfo {"ぽにるか", 2, 10, 305});
        program.runtime().run([&] { program.runtime().Show(program.forms().frmtime()); });
        FrmAbout &about = program.forms().frmAbout();
        const auto open = [&] { // "バージョン": the box loads afresh, its title with no blank
            QTest::mouseClick(program.forms().frmtime().control("lblhelp"), Qt::LeftButton);
            return QStringList {about.window()->windowTitle(), about.control<QLabel>("lblVersion")->text(),
                       about.control<QLabel>("lblTitle")->text()}
            == QStringList {"ぽにるかのﾊﾞｰｼﾞｮﾝ情報", "ﾊﾞｰｼﾞｮﾝ 2.10.305", "ぽにるか"};
        };
        QVERIFY(open());
        QTest::mouseClick(about.control("cmdSysInfo"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(!world.messages->shown.empty() || QFile(marker).size() > 0, 10000);
        QString happened = world.messages->shown.join("");
        if (QFile ran(marker); ran.open(QIODevice::ReadOnly))
            happened += QString::fromLocal8Bit(ran.readAll().trimmed()).replace(dir.path(), "%1");
        QTEST(happened, "happened");
        QTest::mouseClick(about.control("cmdOK"), Qt::LeftButton); // OK closes the box alone
        QVERIFY(!about.isLoaded() && program.forms().frmtime().isLoaded());
        QVERIFY(open());
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
