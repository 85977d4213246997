// SPDX-License-Identifier: MIT
#include "shell/commandline.h"

#include <QTest>

using namespace poniruka;

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void splitCommandLine_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("words");
        const auto row = [](const char *name, const char *command, QStringList files, QStringList words) {
            QTest::newRow(name) << command << files << words;
        };
        row("blanks only: no words, even where they name a file", " \t ", {" \t ", ""}, {});
        row("quoted program with blanks", R"("C:\Program Files\x.exe" /all)", {},
            {R"(C:\Program Files\x.exe)", "/all"});
        row("whole text names a file, blanks around it dropped", " /opt/sys info/run\t",
            {"/opt/sys info/run", "/opt/sys"}, {"/opt/sys info/run"});
        row("shortest leading run that names a file", "/opt/a b c", {"/opt/a", "/opt/a b"}, {"/opt/a", "b", "c"});
        row("longer leading run when the shorter names none", "/opt/a b c", {"/opt/a b"}, {"/opt/a b", "c"});
        row("nothing names a file: the first word", "kinfocenter --help me", {}, {"kinfocenter", "--help", "me"});
        row("shell characters and backslashes are plain", R"(C:\x.exe; $(y) `z` | w && \"v\")", {},
            {R"(C:\x.exe;)", "$(y)", "`z`", "|", "w", "&&", R"(\v\)"});
        row("quotes group blanks and join parts, blanks and tabs separate", "prog\t \"a b\"  c\"d e\"f \"\"", {},
            {"prog", "a b", "cd ef", ""});
    }

    // A command splits into the program it names and its arguments.
    void splitCommandLine()
    {
        QFETCH(QString, command);
        QFETCH(QStringList, files);
        const auto isFile = [&](const std::string &path) { return files.contains(QString::fromStdString(path)); };
        QStringList words;
        for (const std::string &word : poniruka::splitCommandLine(command.toStdString(), isFile))
            words << QString::fromStdString(word);
        QTEST(words, "words");
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
