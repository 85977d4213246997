// SPDX-License-Identifier: MIT
#include "info/sysinfo.h"

#include "info/registry.h"
#include "shell/runtimeerror.h"

#include <algorithm>
#include <array>
#include <string>

namespace poniruka {

namespace {

// The system information program: first its full path, else the folder that
// holds it.
const std::string programPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string programPathValue = "PATH";
const std::string programFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string programFolderValue = "MSINFO";
const std::string programFile = "\\MSINFO32.EXE";

const std::string unavailableMessage = "現時点ではｼｽﾃﾑ情報を使用できません";

// READ_CONTROL and every key right from KEY_QUERY_VALUE to KEY_CREATE_LINK.
// It asks for write rights too, so a key the user may only read counts as absent.
constexpr std::uint32_t keyAccess = 0x2003F;

} // namespace

SysInfoLauncher::SysInfoLauncher(Registry &registry, Files &files, Programs &programs, Messages &messages)
    : m_registry(registry), m_files(files), m_programs(programs), m_messages(messages)
{
}

void SysInfoLauncher::StartSysInfo()
{
    // Every press starts afresh and reads the registry again.
    std::string ProgramPath;
    bool started = false;
    try {
        if (GetKeyValue(Registry::LocalMachine, programPathKey, programPathValue, ProgramPath)) {
            // A full path from the registry is started as it is, without a test.
            m_programs.Shell(ProgramPath, Programs::NormalFocus);
            started = true;
        } else if (GetKeyValue(Registry::LocalMachine, programFolderKey, programFolderValue, ProgramPath)
            && !m_files.Dir(ProgramPath + programFile).empty()) {
            // Plain concatenation: a folder ending in a backslash gets a second one.
            ProgramPath += programFile;
            m_programs.Shell(ProgramPath, Programs::NormalFocus);
            started = true;
        }
    } catch (...) {
        // Whatever went wrong (an empty value, a registry function that cannot
        // be bound, a program that cannot be started), the user gets the same
        // message; the about box must stay usable.
    }
    if (!started)
        m_messages.MsgBox(unavailableMessage);
}

bool SysInfoLauncher::GetKeyValue(
    std::uint32_t KeyRoot, const std::string &KeyName, const std::string &SubKeyRef, std::string &KeyVal)
{
    std::uintptr_t key = 0;
    std::array<unsigned char, 1024> data {};
    std::uint32_t size = data.size();
    std::uint32_t type = 0;
    bool read = false;
    if (m_registry.RegOpenKeyExA(KeyRoot, KeyName, 0, keyAccess, key) == Registry::NoError) {
        try {
            read = m_registry.RegQueryValueExA(key, SubKeyRef, type, data.data(), size) == Registry::NoError
                && size <= data.size(); // a registry that claims more than it can have written
        } catch (...) {
            m_registry.RegCloseKey(key);
            throw;
        }
    }
    // The key is closed on every way out, failure included (then with the
    // handle a failed open left, normally 0), and before an empty value raises.
    m_registry.RegCloseKey(key);
    if (!read) {
        KeyVal.clear();
        return false;
    }
    if (size == 0)
        throw RuntimeError::of(RuntimeError::InvalidProcedureCall);

    // A text's terminator is dropped; exactly one zero byte, and only at the end.
    const std::size_t length = data[size - 1] == 0 ? size - 1 : size;
    switch (type) {
    case Registry::Text:
        KeyVal.assign(reinterpret_cast<const char *>(data.data()), length);
        break;
    case Registry::Number: {
        // The bytes left after the terminator rule are the number's low bytes;
        // a dropped last byte was a zero, so the value is still the stored one.
        std::uint32_t number = 0;
        for (std::size_t i = std::min<std::size_t>(length, 4); i-- > 0;)
            number = number << 8 | data[i];
        KeyVal = std::to_string(number);
        break;
    }
    default:
        // Expandable text, binary data and the rest: not read as text.
        break;
    }
    return true;
}

} // namespace poniruka
