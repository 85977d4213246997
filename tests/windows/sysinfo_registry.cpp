// SPDX-License-Identifier: MIT
// The system-information launcher on the real Windows registry, through the program's own advapi32 binding. Built
// with mingw-w64 and run under Wine by tools/windows-check.sh. Each case writes its values below HKEY_LOCAL_MACHINE,
// makes sure they were stored exactly as written, calls the launcher, and removes them again. The file lookup and
// the program start are small Win32 stand-ins that note what happened; a program the launcher starts really runs:
// it is a copy of this check named MSINFO32.EXE, which answers with a marker exit code.
#include "info/registry.h"
#include "info/sysinfo.h"
#include "shell/commandline.h"
#include "shell/runtimeerror.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <sddl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

using namespace poniruka;
using namespace std::string_literals;

namespace {

constexpr DWORD startedMarker = 42;                 // the exit code of this check when started as MSINFO32.EXE
constexpr const char *readOnly = "D:P(A;;KR;;;WD)"; // everyone may read the key, nobody may write it
constexpr const char *writable = "D:P(A;;KA;;;WD)";

struct Location
{
    const char *key, *value;
};
const Location locations[] = {
    {"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH"},
    {"SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO"},
};

/// A value a case writes at location 1 or 2: exactly these bytes (a text's terminator is written out), under the
/// location's value name unless another is given.
struct Stored
{
    int location;
    DWORD type;
    std::string bytes;
    bool readOnly = false;
    const char *name = nullptr;
};

/// A case calls GetKeyValue on location 1, or StartSysInfo. It expects the locations opened, then what the call
/// gave: "read" and the text, "absent", "error"; or "started" and the path, "message". %D is the check's folder.
struct Case
{
    const char *name;
    enum { Read, Start } call;
    std::vector<Stored> stored;
    std::string expected;
};

std::string folder; // holds MSINFO32.EXE and an empty folder "empty"

std::string expand(std::string text)
{
    for (auto at = text.find("%D"); at != std::string::npos; at = text.find("%D", at + folder.size()))
        text.replace(at, 2, folder);
    return text;
}

/// A text to print: control bytes as \xNN, a long one cut short.
std::string shown(const std::string &text)
{
    std::string out;
    for (const unsigned char c : text.substr(0, text.size() > 100 ? 60 : 100))
        out += c < 0x20 ? "\\x" + std::to_string(c / 16) + "0123456789ABCDEF"[c % 16] : std::string(1, char(c));
    return text.size() > 100 ? out + "... (" + std::to_string(text.size()) + " bytes)" : out;
}

bool isFile(const std::string &path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool setDacl(HKEY key, const char *sddl)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, nullptr))
        return false;
    const LONG result = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
    LocalFree(descriptor);
    return result == ERROR_SUCCESS;
}

/// The program's binding, noting which location each open asks for.
class NotedRegistry final : public Registry
{
public:
    std::string opened;

    long RegOpenKeyExA(std::uint32_t root, const std::string &subKey, std::uint32_t options, std::uint32_t access,
        std::uintptr_t &handle) override
    {
        opened += subKey == locations[0].key ? "1 " : subKey == locations[1].key ? "2 " : "? ";
        return m_real->RegOpenKeyExA(root, subKey, options, access, handle);
    }
    long RegQueryValueExA(std::uintptr_t handle, const std::string &valueName, std::uint32_t &type, unsigned char *data,
        std::uint32_t &size) override
    {
        return m_real->RegQueryValueExA(handle, valueName, type, data, size);
    }
    long RegCloseKey(std::uintptr_t handle) override { return m_real->RegCloseKey(handle); }

private:
    std::unique_ptr<Registry> m_real = makeSystemRegistry();
};

class Outside final : public SysInfoLauncher::Files, public SysInfoLauncher::Programs, public SysInfoLauncher::Messages
{
public:
    std::string events;

    std::string Dir(const std::string &path) override { return isFile(path) ? path.substr(path.rfind('\\') + 1) : ""; }
    // Splits the command as the program does, starts it, and waits for the marker.
    void Shell(const std::string &command, int) override
    {
        const std::vector<std::string> words = splitCommandLine(command, isFile);
        STARTUPINFOA startup {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process {};
        if (words.empty()
            || !CreateProcessA(
                words.front().c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            throw RuntimeError::of(RuntimeError::FileNotFound);
        DWORD code = 0;
        WaitForSingleObject(process.hProcess, 30000);
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        events += (code == startedMarker ? "started " : "ran without the marker ") + command;
    }
    void MsgBox(const std::string &) override { events += "message"; }
};

/// Writes a value from a buffer whose next byte is not 0, so that the registry cannot take it for a forgotten
/// terminator, then reads back what was stored (texts in the UTF-16 the registry keeps). Returns what is wrong.
std::string store(HKEY key, const Stored &value, const std::string &bytes, std::string &note)
{
    const std::string name = value.name ? value.name : locations[value.location - 1].value;
    const std::string buffer = bytes + 'X';
    if (RegSetValueExA(
            key, name.c_str(), 0, value.type, reinterpret_cast<const BYTE *>(buffer.data()), DWORD(bytes.size())))
        return " cannot write " + name;
    const bool isText = value.type == REG_SZ || value.type == REG_EXPAND_SZ;
    std::string expected;
    for (const char c : bytes)
        expected += isText ? std::string {c, '\0'} : std::string {c};
    std::string stored(expected.size() + 64, '\xff');
    DWORD type = 0, size = DWORD(stored.size());
    const std::wstring wideName(name.begin(), name.end());
    RegQueryValueExW(key, wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE *>(stored.data()), &size);
    stored.resize(std::min<std::size_t>(size, stored.size()));
    if (type != value.type || stored != expected)
        return " Wine stored type " + std::to_string(type) + ", " + std::to_string(size) + " bytes instead of "
            + std::to_string(expected.size());
    if (isText && !bytes.empty() && bytes.back())
        note += " [stored unterminated: " + std::to_string(size / 2) + " UTF-16 units, last '" + bytes.back() + "']";
    if (value.readOnly) {
        if (!setDacl(key, readOnly))
            return " cannot set the key's DACL";
        note += " [under a read-only DACL, opens for";
        for (const REGSAM access : {REGSAM(KEY_READ), REGSAM(0x2003F)}) {
            HKEY probe = nullptr;
            const LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, locations[value.location - 1].key, 0, access, &probe);
            note += (access == KEY_READ ? " reading: " : ", 0x2003F: ") + std::to_string(result);
            if (!result)
                RegCloseKey(probe);
        }
        note += "]";
    }
    return {};
}

bool run(const Case &c)
{
    std::string note, problem, outcome;
    HKEY keys[2] = {};
    for (const Stored &value : c.stored) {
        HKEY &key = keys[value.location - 1];
        if (!key
            && RegCreateKeyExA(HKEY_LOCAL_MACHINE, locations[value.location - 1].key, 0, nullptr, 0, KEY_ALL_ACCESS,
                nullptr, &key, nullptr))
            problem += " cannot create location "s + char('0' + value.location);
        else
            problem += store(key, value, expand(value.bytes), note);
    }
    if (problem.empty()) {
        NotedRegistry registry;
        Outside outside;
        SysInfoLauncher launcher(registry, outside, outside, outside);
        if (c.call == Case::Read) {
            std::string text = "before";
            try {
                outcome = launcher.GetKeyValue(Registry::LocalMachine, locations[0].key, locations[0].value, text)
                    ? "read " + text
                    : "absent" + (text.empty() ? "" : ", kept " + text);
            } catch (const RuntimeError &) {
                outcome = "error";
            }
        } else {
            launcher.StartSysInfo();
            outcome = outside.events;
        }
        outcome = registry.opened + outcome;
    }
    for (int i = 0; i < 2; ++i) {
        if (keys[i]) {
            setDacl(keys[i], writable);
            RegCloseKey(keys[i]);
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, locations[i].key);
        }
    }
    const std::string expected = expand(c.expected);
    const bool passed = problem.empty() && outcome == expected;
    std::printf("%s %s%s\n", passed ? "ok  " : "FAIL", c.name, note.c_str());
    if (!problem.empty())
        std::printf("     fixture:%s\n", problem.c_str());
    else if (!passed)
        std::printf("     got      %s\n     expected %s\n", shown(outcome).c_str(), shown(expected).c_str());
    return passed;
}

} // namespace

int main()
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (!_stricmp(std::strrchr(self, '\\') + 1, "MSINFO32.EXE"))
        return startedMarker;

    // Each case starts without either key. One that is already there is removed for the run and made again
    // afterwards, but only when it is empty (a fresh Wine prefix has an empty location 1): a real installation's
    // values are never touched.
    bool existed[2] = {};
    for (int i = 0; i < 2; ++i) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, locations[i].key, 0, KEY_READ, &key))
            continue;
        DWORD subKeys = 0, values = 0;
        RegQueryInfoKeyA(
            key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr, nullptr, nullptr, nullptr);
        RegCloseKey(key);
        if (subKeys || values || RegDeleteKeyA(HKEY_LOCAL_MACHINE, locations[i].key)) {
            std::printf(
                "HKEY_LOCAL_MACHINE\\%s is in use here; run this check in a registry of its own\n", locations[i].key);
            return 2;
        }
        existed[i] = true;
    }
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder = temp + "poniruka check "s + std::to_string(GetCurrentProcessId());
    const std::string program = folder + "\\MSINFO32.EXE", empty = folder + "\\empty";
    if (!CreateDirectoryA(folder.c_str(), nullptr) || !CreateDirectoryA(empty.c_str(), nullptr)
        || !CopyFileA(self, program.c_str(), TRUE)) {
        std::printf("cannot prepare %s\n", folder.c_str());
        return 2;
    }

    const std::string a1024(1024, 'a');
    const Case cases[] = {
        {"text: its terminator dropped", Case::Read, {{1, REG_SZ, "C:\\msinfo32.exe\0"s}}, "1 read C:\\msinfo32.exe"},
        {"text without a terminator: every byte kept", Case::Read, {{1, REG_SZ, "C:\\msinfo32.exe"}},
            "1 read C:\\msinfo32.exe"},
        {"1024 bytes without a terminator: read whole", Case::Read, {{1, REG_SZ, a1024}}, "1 read " + a1024},
        {"1025 bytes: more data than the buffer, so absent", Case::Read, {{1, REG_SZ, a1024 + '\0'}}, "1 absent"},
        {"a number: its decimal digits", Case::Read, {{1, REG_DWORD, "\1\0\0\0"s}}, "1 read 1"},
        {"a missing key: absent", Case::Read, {}, "1 absent"},
        {"a missing value: absent", Case::Read, {{1, REG_SZ, "C:\\msinfo32.exe\0"s, false, "OTHER"}}, "1 absent"},
        {"a value of size 0: an error", Case::Read, {{1, REG_SZ, ""}}, "1 error"},
        {"expandable text at location 1: found, nothing to start, location 2 not read", Case::Start,
            {{1, REG_EXPAND_SZ, "%D\\MSINFO32.EXE\0"s}, {2, REG_SZ, "%D\0"s}}, "1 message"},
        {"location 1 refusing write access: absent, location 2 used", Case::Start,
            {{1, REG_SZ, "%D\\empty\\x.exe\0"s, true}, {2, REG_SZ, "%D\0"s}}, "1 2 started %D\\MSINFO32.EXE"},
        {"location 1 started as it is, location 2 never read", Case::Start,
            {{1, REG_SZ, "%D\\MSINFO32.EXE\0"s}, {2, REG_SZ, "%D\\empty\0"s}}, "1 started %D\\MSINFO32.EXE"},
        {"location 2: the program in its folder", Case::Start, {{2, REG_SZ, "%D\0"s}}, "1 2 started %D\\MSINFO32.EXE"},
        {"location 2 with a trailing backslash: doubled, and it still runs", Case::Start, {{2, REG_SZ, "%D\\\0"s}},
            "1 2 started %D\\\\MSINFO32.EXE"},
        {"location 2 folder without the program: the message", Case::Start, {{2, REG_SZ, "%D\\empty\0"s}},
            "1 2 message"},
        {"both locations absent: the message", Case::Start, {}, "1 2 message"},
    };
    int passed = 0, failed = 0;
    for (const Case &c : cases)
        ++(run(c) ? passed : failed);

    DeleteFileA(program.c_str());
    RemoveDirectoryA(empty.c_str());
    RemoveDirectoryA(folder.c_str());
    for (int i = 0; i < 2; ++i) {
        HKEY key = nullptr;
        if (existed[i]
            && !RegCreateKeyExA(HKEY_LOCAL_MACHINE, locations[i].key, 0, nullptr, 0, KEY_READ, nullptr, &key, nullptr))
            RegCloseKey(key);
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed ? 1 : 0;
}
