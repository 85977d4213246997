// SPDX-License-Identifier: MIT
#include "info/registry.h"

#include <QByteArrayView>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string_view>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace poniruka {

namespace {

// Where the launcher looks first for the system information program.
constexpr std::string_view programKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::string_view programValue = "PATH";

// The desktops' own system information programs, the preferred first.
constexpr std::string_view programNames[] = {
    "kinfocenter",
    "gnome-system-monitor",
    "hardinfo2",
    "hardinfo",
};

// Registry names compare without regard to ASCII case.
bool sameName(std::string_view a, std::string_view b)
{
    return QByteArrayView(a).compare(b, Qt::CaseInsensitive) == 0;
}

bool isExecutableFile(const std::filesystem::path &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

/// The absolute path of the first installed program of programNames, in the
/// folders of PATH (relative folders are skipped: the path is started later,
/// from wherever the program then is); empty when there is none.
std::string findProgram()
{
    const char *pathVariable = std::getenv("PATH");
    if (!pathVariable)
        return {};
    std::vector<std::filesystem::path> folders;
    std::string_view rest = pathVariable;
    while (!rest.empty()) {
        const auto colon = rest.find(':');
        const std::filesystem::path folder(rest.substr(0, colon));
        if (folder.is_absolute())
            folders.push_back(folder);
        rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
    }
    for (const std::string_view name : programNames) {
        for (const auto &folder : folders) {
            const auto candidate = folder / name;
            if (isExecutableFile(candidate))
                return candidate.string();
        }
    }
    return {};
}

/// A registry with a single value: the path of the desktop's system
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
