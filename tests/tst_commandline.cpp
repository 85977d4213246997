// SPDX-License-Identifier: MIT
#include "shell/commandline.h"

#include <QStringList>
#include <QTest>

using namespace poniruka;

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splitCommandLine_data();
    void splitCommandLine();
};

void TestCommandLine::splitCommandLine_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("words");

    QTest::newRow("empty") << "" << QStringList {} << QStringList {};
    QTest::newRow("blanks only") << " \t " << QStringList {"", " \t "} << QStringList {};
    QTest::newRow("quoted program with arguments") << R"("C:\Program Files\x.exe" /all b)" << QStringList {}
                                                   << QStringList {R"(C:\Program Files\x.exe)", "/all", "b"};
    QTest::newRow("quoted program followed by a semicolon")
        << R"("/opt/sys info/run";rm x)" << QStringList {} << QStringList {"/opt/sys info/run", ";rm", "x"};
    QTest::newRow("quoted program without closing quote")
        << R"("/opt/sys info/run -a)" << QStringList {} << QStringList {"/opt/sys info/run -a"};
    QTest::newRow("quoted empty program") << R"("" x)" << QStringList {} << QStringList {"", "x"};
    QTest::newRow("existing path with spaces, no arguments")
        << "/opt/sys info/run" << QStringList {"/opt/sys info/run", "/opt/sys"} << QStringList {"/opt/sys info/run"};
    QTest::newRow("existing path with spaces, blanks around")
        << "  /opt/sys info/run\t" << QStringList {"/opt/sys info/run"} << QStringList {"/opt/sys info/run"};
    QTest::newRow("existing path with spaces, then arguments")
        << R"(C:\Program Files\x.exe /all)" << QStringList {R"(C:\Program Files\x.exe)"}
        << QStringList {R"(C:\Program Files\x.exe)", "/all"};
    QTest::newRow("shortest existing leading run wins")
        << "/opt/a b c" << QStringList {"/opt/a", "/opt/a b"} << QStringList {"/opt/a", "b", "c"};
    QTest::newRow("longer existing run when the shorter is missing")
        << "/opt/a b c" << QStringList {"/opt/a b"} << QStringList {"/opt/a b", "c"};
    QTest::newRow("nothing exists: first word is the program")
        << "kinfocenter --help me" << QStringList {} << QStringList {"kinfocenter", "--help", "me"};
    QTest::newRow("backslashes are plain")
        << R"(C:\MSInfo\MSINFO32.EXE \"x\")" << QStringList {} << QStringList {R"(C:\MSInfo\MSINFO32.EXE)", R"(\x\)"};
    QTest::newRow("semicolon is plain") << "x; touch /tmp/owned" << QStringList {}
                                        << QStringList {"x;", "touch", "/tmp/owned"};
    QTest::newRow("semicolon inside an existing program name")
        << "x;touch /tmp/owned" << QStringList {"x;touch"} << QStringList {"x;touch", "/tmp/owned"};
    QTest::newRow("command substitution is plain")
        << "prog $(touch /tmp/owned)" << QStringList {"prog"} << QStringList {"prog", "$(touch", "/tmp/owned)"};
    QTest::newRow("backquotes are plain")
        << "prog `touch /tmp/owned`" << QStringList {} << QStringList {"prog", "`touch", "/tmp/owned`"};
    QTest::newRow("pipe and && are plain")
        << "prog | rm -rf x && y" << QStringList {} << QStringList {"prog", "|", "rm", "-rf", "x", "&&", "y"};
    QTest::newRow("quoted argument keeps its blanks and dollar")
        << R"(prog "a $(b) c" d)" << QStringList {} << QStringList {"prog", "a $(b) c", "d"};
    QTest::newRow("quotes inside a word join its parts")
        << R"(prog a"b c"d)" << QStringList {} << QStringList {"prog", "ab cd"};
    QTest::newRow("empty quoted argument is kept") << R"(prog "" x)" << QStringList {} << QStringList {"prog", "", "x"};
    QTest::newRow("tabs and runs of blanks separate")
        << "prog\t a  \t b" << QStringList {} << QStringList {"prog", "a", "b"};
}

void TestCommandLine::splitCommandLine()
{
    // A command splits into the program it names and its arguments, with no character read as shell syntax.
    QFETCH(QString, command);
    QFETCH(QStringList, files);

    const auto isFile = [&](const std::string &path) { return files.contains(QString::fromStdString(path)); };
    QStringList words;
    for (const auto &word : poniruka::splitCommandLine(command.toStdString(), isFile))
        words << QString::fromStdString(word);

    QTEST(words, "words");
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
