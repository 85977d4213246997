// SPDX-License-Identifier: MIT
#include "shell/platform.h"

#include "shell/commandline.h"
#include "shell/runtimeerror.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QStringList>

namespace poniruka::platform {

namespace {

bool isOrdinaryFile(const std::string &path)
{
    return QFileInfo(QString::fromLocal8Bit(path)).isFile();
}

class DiskFiles : public FileLookup
{
public:
    bool isFile(const std::string &path) override { return isOrdinaryFile(path); }
};

// The command is split into the program and its arguments as Windows would
// read it, so nothing in the text is ever read by a shell. The desktop's
// window manager gives a new window the focus.
class DetachedPrograms : public ProgramStarter
{
public:
    void start(const std::string &command, int) override
    {
        const std::vector<std::string> words = splitCommandLine(command, isOrdinaryFile);
        if (words.empty())
            throw RuntimeError::of(RuntimeError::FileNotFound);
        QStringList arguments;
        for (auto it = words.begin() + 1; it != words.end(); ++it)
            arguments << QString::fromLocal8Bit(*it);
        if (!QProcess::startDetached(QString::fromLocal8Bit(words.front()), arguments))
            throw RuntimeError::of(RuntimeError::FileNotFound);
    }
};

} // namespace

std::shared_ptr<FileLookup> files()
{
    return std::make_shared<DiskFiles>();
}

std::shared_ptr<ProgramStarter> programs()
{
    return std::make_shared<DetachedPrograms>();
}

const char *defaultFace()
{
    return "IPAPGothic";
}

// The packages the program is installed with bring its fonts.
void addBundledFonts() { }

QString qtTranslations()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

} // namespace poniruka::platform
