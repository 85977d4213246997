// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace poniruka {

/// The three registry functions the system-information launcher reads with.
/// Each has the contract of the Windows function it is named after: results
/// are 0 on success or a system error code, texts are bytes in the system's
/// 8-bit code page, and the query's size is in bytes, in (the buffer's size)
/// and out (the value's size, or the size needed when the buffer is too small).
///
/// The constants are not called HKEY_LOCAL_MACHINE, REG_SZ and so on because
/// those are macros once <windows.h> is included.
class Registry
{
public:
    static constexpr std::uint32_t LocalMachine = 0x80000002; // HKEY_LOCAL_MACHINE

    // Results (not "Success": X11 headers make that a macro).
    static constexpr long NoError = 0;
    static constexpr long FileNotFound = 2;
    static constexpr long AccessDenied = 5;
    static constexpr long InvalidHandle = 6;
    static constexpr long MoreData = 234;

    // Value types.
    static constexpr std::uint32_t Text = 1;           // REG_SZ
    static constexpr std::uint32_t ExpandableText = 2; // REG_EXPAND_SZ
    static constexpr std::uint32_t Binary = 3;         // REG_BINARY
    static constexpr std::uint32_t Number = 4;         // REG_DWORD, least significant byte first

    virtual ~Registry() = default;

    /// Opens subKey below root; on success stores a non-zero handle.
    virtual long RegOpenKeyExA(std::uint32_t root, const std::string &subKey, std::uint32_t options,
        std::uint32_t access, std::uintptr_t &handle)
        = 0;
    /// Reads a value of an open key into data (size bytes long; data may be
    /// null to ask only for the size). Stores the value's type and size.
    virtual long RegQueryValueExA(std::uintptr_t handle, const std::string &valueName, std::uint32_t &type,
        unsigned char *data, std::uint32_t &size)
        = 0;
    virtual long RegCloseKey(std::uintptr_t handle) = 0;
};

/// The registry of the system the program runs on. On Windows the functions
/// of advapi32, bound on first use (a failed binding raises a RuntimeError);
/// elsewhere a stand-in that knows only where the desktop's system
/// information program is.
std::unique_ptr<Registry> makeSystemRegistry();

} // namespace poniruka
