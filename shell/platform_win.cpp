// SPDX-License-Identifier: MIT
#include "shell/platform.h"

#include "shell/runtimeerror.h"

#include <QCoreApplication>
#include <QFontDatabase>

#include <array>
#include <string>

#include <windows.h>

namespace poniruka::platform {

namespace {

// Texts from the registry come in the system's ANSI code page.
std::wstring wide(const std::string &text)
{
    if (text.empty())
        return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
    std::wstring result(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), result.data(), length);
    return result;
}

// An ordinary file: not a folder, and neither hidden nor a system file.
class DiskFiles : public FileLookup
{
public:
    bool isFile(const std::string &path) override
    {
        const DWORD attributes = GetFileAttributesW(wide(path).c_str());
        return attributes != INVALID_FILE_ATTRIBUTES
            && !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    }
};

// Windows itself reads the command line: the program is the leading quoted
// part, or the shortest leading run up to a blank that names a program, so a
// path with spaces needs no quotes. No shell is involved.
class CreatedProcesses : public ProgramStarter
{
public:
    void start(const std::string &command, int windowStyle) override
    {
        std::wstring line = wide(command);
        if (line.find_first_not_of(L" \t") == std::wstring::npos)
            throw RuntimeError::of(RuntimeError::FileNotFound);
        STARTUPINFOW startup {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = WORD(windowStyle); // 1: a normal window
        PROCESS_INFORMATION process {};
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            throw RuntimeError::of(RuntimeError::FileNotFound);
        // The child asked for: its window may come to the front and take the keyboard.
        AllowSetForegroundWindow(process.dwProcessId);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
};

struct BundledFont
{
    const char *file;        // in the fonts folder beside the program
    const char *family;      // the face it holds
    const char *standsIn[4]; // the faces the screens name that it replaces
};

// A Japanese Windows has "ＭＳ Ｐゴシック"; the pop faces come with some
// office suites.
constexpr std::array bundledFonts {
    BundledFont {"ipagp.ttf", "IPAPGothic", {"ＭＳ Ｐゴシック", "MS PGothic"}},
    BundledFont {"ReggaeOne-Regular.ttf", "Reggae One", {"HG創英角ﾎﾟｯﾌﾟ体", "HGP創英角ﾎﾟｯﾌﾟ体", "HGS創英角ﾎﾟｯﾌﾟ体"}},
};

} // namespace

std::shared_ptr<FileLookup> files()
{
    return std::make_shared<DiskFiles>();
}

std::shared_ptr<ProgramStarter> programs()
{
    return std::make_shared<CreatedProcesses>();
}

const char *defaultFace()
{
    return "ＭＳ Ｐゴシック";
}

bool mayHaveDesignFaces()
{
    return true;
}

// GDI draws them, with the hinting of the desktop's other text.
bool hintsPopFaces()
{
    return true;
}

// Added to the application's own font database only: nothing is installed
// on the system, and the fonts go with the process.
void addBundledFonts()
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/fonts/");
    for (const BundledFont &font : bundledFonts) {
        bool needed = !QFontDatabase::hasFamily(QString::fromUtf8(font.family));
        for (const char *face : font.standsIn)
            needed = needed && (!face || !QFontDatabase::hasFamily(QString::fromUtf8(face)));
        if (needed)
            QFontDatabase::addApplicationFont(folder + QString::fromLatin1(font.file));
    }
}

QString qtTranslations()
{
    return QStringLiteral(":/i18n");
}

// Windows has one platform.
const char *preferredQtPlatform(int, char **)
{
    return nullptr;
}

} // namespace poniruka::platform
