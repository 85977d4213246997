// SPDX-License-Identifier: MIT
// The system-information button on Wine's registry through the program's own binding (tools/windows-check.sh runs
// it). A program the button starts really runs: this check, copied as MSINFO32.EXE.
#include "info/registry.h"
#include "info/sysinfo.h"
#include "shell/commandline.h"
#include "shell/runtimeerror.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <process.h>
#include <sddl.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace poniruka;
using namespace std::string_literals;

namespace {

const std::string D = "C:\\poniruka check"; // holds MSINFO32.EXE
const char *const keys[] = {"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "SOFTWARE\\Microsoft\\Shared Tools Location"};

/// A value written at location 1 or 2, under its value name unless given another: exactly these bytes.
struct Stored
{
    int location;
    DWORD type;
    std::string bytes;
    const wchar_t *name = nullptr;
};

bool isFile(const std::string &path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

/// The file lookup, the program start (split as the program splits it) and the message box, noting what happened.
struct Outside final : SysInfoLauncher::Files, SysInfoLauncher::Programs, SysInfoLauncher::Messages
{
    std::string events;

    std::string Dir(const std::string &path) override { return isFile(path) ? path.substr(path.rfind('\\') + 1) : ""; }
    void Shell(const std::string &command, int) override
    {
        const std::vector<std::string> words = splitCommandLine(command, isFile);
        const auto code = words.empty() ? -1 : _spawnl(_P_WAIT, words[0].c_str(), words[0].c_str(), nullptr);
        events += (code == 42 ? "started " : "cannot start ") + command + "; ";
        if (code != 42)
            throw RuntimeError::of(RuntimeError::FileNotFound);
    }
    void MsgBox(const std::string &) override { events += "message"; }
};

/// Writes the values from buffers whose next byte is not 0 and checks how Wine stored them (texts in UTF-16); makes
/// location 1 read-only if asked; presses the button; removes the keys. What happened, or what Wine did wrong.
std::string run(const std::vector<Stored> &values, bool readOnly)
{
    std::string wrong;
    for (const Stored &value : values) {
        HKEY key = nullptr, reader = nullptr;
        PSECURITY_DESCRIPTOR readable = nullptr; // everyone may read the key and remove it, nobody may write it
        const wchar_t *name = value.name ? value.name : value.location == 1 ? L"PATH" : L"MSINFO";
        std::string expected, stored(2 * value.bytes.size() + 64, '\xff');
        for (const char c : value.bytes)
            expected += value.type == REG_DWORD ? std::string {c} : std::string {c, '\0'};
        DWORD type = 0, size = stored.size();
        RegCreateKeyExA(
            HKEY_LOCAL_MACHINE, keys[value.location - 1], 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
        RegSetValueExW(
            key, name, 0, value.type, reinterpret_cast<const BYTE *>((expected + "XX").data()), expected.size());
        RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE *>(stored.data()), &size);
        if (type != value.type || stored.substr(0, size) != expected)
            wrong += "Wine stored type " + std::to_string(type) + ", " + std::to_string(size) + " bytes; ";
        if (readOnly && value.location == 1
            && (!ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;KRSD;;;WD)", 1, &readable, nullptr)
                || RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, readable)
                || RegOpenKeyExA(HKEY_LOCAL_MACHINE, keys[0], 0, KEY_READ, &reader)))
            wrong += "the key is not read-only; ";
        LocalFree(readable);
        RegCloseKey(reader);
        RegCloseKey(key);
    }
    Outside outside;
    if (wrong.empty())
        SysInfoLauncher(*makeSystemRegistry(), outside, outside, outside).StartSysInfo();
    for (const char *key : keys)
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, key);
    return wrong.empty() ? outside.events : wrong;
}

} // namespace

int main()
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (std::string(self).ends_with("\\MSINFO32.EXE"))
        return 42;
    // It removes whatever the two keys hold: only in a Wine prefix of its own.
    if (!GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") || !CreateDirectoryA(D.c_str(), nullptr)
        || !CopyFileA(self, (D + "\\MSINFO32.EXE").c_str(), 1))
        return std::puts("this check runs once, under Wine, in a prefix of its own"), 2;
    for (const char *key : keys)
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, key);

    const std::string path = D + "\\MSINFO32.EXE", a1024(1024, 'a'), terminated = path + '\0';
    const std::string folder = D + '\0', windows = "C:\\windows\0"s, started = "started " + path + "; ";
    const struct
    {
        const char *name;
        std::vector<Stored> values;
        std::string expected;
        bool readOnly = false;
    } cases[] = {
        // clang-format off
        {"text at 1 with its terminator: started", {{1, REG_SZ, terminated}, {2, REG_SZ, windows}}, started},
        {"text at 1 without a terminator: every byte kept", {{1, REG_SZ, path}}, started},
        {"1024 bytes at 1 without a terminator: read whole", {{1, REG_SZ, a1024}}, "cannot start " + a1024 + "; message"},
        {"1025 bytes at 1: more data than the buffer, absent", {{1, REG_SZ, a1024 + '\0'}, {2, REG_SZ, folder}}, started},
        {"a number at 1: its decimal digits", {{1, REG_DWORD, "\1\0\0\0"s}}, "cannot start 1; message"},
        {"a missing value at 1: absent", {{1, REG_SZ, "C:\\gone.exe", L"OTHER"}, {2, REG_SZ, folder}}, started},
        {"a value of size 0 at 1: the message, 2 not read", {{1, REG_SZ, ""}, {2, REG_SZ, folder}}, "message"},
        {"expandable text at 1: nothing to start, 2 not read", {{1, REG_EXPAND_SZ, path}, {2, REG_SZ, folder}},
            "cannot start ; message"},
        {"key at 1 refusing write access: absent", {{1, REG_SZ, "C:\\gone.exe"}, {2, REG_SZ, folder}}, started, true},
        {"folder at 2 with a trailing backslash: doubled, runs", {{2, REG_SZ, D + "\\\0"s}}, "started " + D + "\\\\MSINFO32.EXE; "},
        {"both keys missing: the message", {}, "message"},
        // clang-format on
    };
    int passed = 0;
    for (const auto &c : cases) {
        const std::string got = run(c.values, c.readOnly);
        const bool ok = got == c.expected;
        passed += ok;
        std::printf("%s %s%s%.100s\n", ok ? "ok  " : "FAIL", c.name, ok ? "" : ": got ", ok ? "" : got.c_str());
    }
    std::printf("%d cases: %d passed, %d failed\n", int(std::size(cases)), passed, int(std::size(cases)) - passed);
    return passed == int(std::size(cases)) ? 0 : 1;
}
