// SPDX-License-Identifier: MIT
#include "info/registry.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cstring>
#include <map>
#include <string_view>

namespace poniruka {

namespace {

// Where the launcher looks first for the system information program.
constexpr std::string_view programKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view programValue = "PATH";

// Registry names compare without regard to ASCII case.
bool sameName(std::string_view a, std::string_view b)
{
    return QByteArrayView(a).compare(b, Qt::CaseInsensitive) == 0;
}

/// The command that starts the desktop's system information program: the
/// first installed of the read-only viewers, else the process manager on its
/// resources tab, where a child sees the system but ends no program. The
/// path is quoted, so that a folder with blanks stays whole. Empty when there
/// is none.
std::string findProgram()
{
    struct Viewer
    {
        const char *name;
        const char *arguments;
    };
    static constexpr Viewer viewers[] {
        {"kinfocenter", ""},
        {"hardinfo2", ""},
        {"hardinfo", ""},
        {"gnome-system-monitor", " -r"},
    };
    for (const Viewer &viewer : viewers) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(viewer.name));
        if (!path.isEmpty())
            return '"' + QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString() + '"' + viewer.arguments;
    }
    return {};
}

/// A registry with a single value: the command of the desktop's system
/// information program, stored as text with its terminating zero byte, under
/// the key where Windows keeps the path of its own. The program is looked for
/// each time the key is opened.
class DesktopRegistry final : public Registry
{
public:
    long RegOpenKeyExA(
        std::uint32_t root, const std::string &subKey, std::uint32_t, std::uint32_t, std::uintptr_t &handle) override
    {
        handle = 0;
        if (root != LocalMachine || !sameName(subKey, programKey))
            return FileNotFound;
        std::string program = findProgram();
        if (program.empty())
            return FileNotFound;
        handle = m_nextHandle++;
        m_openKeys.emplace(handle, std::move(program));
        return NoError;
    }

    long RegQueryValueExA(std::uintptr_t handle, const std::string &valueName, std::uint32_t &type, unsigned char *data,
        std::uint32_t &size) override
    {
        const auto key = m_openKeys.find(handle);
        if (key == m_openKeys.end())
            return InvalidHandle;
        if (!sameName(valueName, programValue))
            return FileNotFound;
        const std::string &program = key->second;
        const auto needed = static_cast<std::uint32_t>(program.size() + 1);
        type = Text;
        if (data && size < needed) {
            size = needed;
            return MoreData;
        }
        if (data) {
            std::memcpy(data, program.data(), program.size());
            data[program.size()] = 0;
        }
        size = needed;
        return NoError;
    }

    long RegCloseKey(std::uintptr_t handle) override { return m_openKeys.erase(handle) ? NoError : InvalidHandle; }

private:
    std::map<std::uintptr_t, std::string> m_openKeys;
    std::uintptr_t m_nextHandle = 1;
};

} // namespace

std::unique_ptr<Registry> makeSystemRegistry()
{
    return std::make_unique<DesktopRegistry>();
}

} // namespace poniruka
