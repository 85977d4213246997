// SPDX-License-Identifier: MIT
#include "info/registry.h"

#include "shell/runtimeerror.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace poniruka {

namespace {

using OpenKeyFunction = LONG(WINAPI *)(HKEY, LPCSTR, DWORD, REGSAM, PHKEY);
using QueryValueFunction = LONG(WINAPI *)(HKEY, LPCSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD);
using CloseKeyFunction = LONG(WINAPI *)(HKEY);

/// The registry functions of advapi32, each looked up by name the first time
/// it is called, so that a missing library or entry point is an error of the
/// one press that needs it rather than of the program's start.
class AdvapiRegistry final : public Registry
{
public:
    AdvapiRegistry() = default;
    AdvapiRegistry(const AdvapiRegistry &) = delete;
    AdvapiRegistry &operator=(const AdvapiRegistry &) = delete;

    ~AdvapiRegistry() override
    {
        if (m_library)
            FreeLibrary(m_library);
    }

    long RegOpenKeyExA(std::uint32_t root, const std::string &subKey, std::uint32_t options, std::uint32_t access,
        std::uintptr_t &handle) override
    {
        bind(m_openKey, "RegOpenKeyExA");
        HKEY key = nullptr;
        const LONG result = m_openKey(toKey(root), subKey.c_str(), options, static_cast<REGSAM>(access), &key);
        handle = reinterpret_cast<std::uintptr_t>(key);
        return result;
    }

    long RegQueryValueExA(std::uintptr_t handle, const std::string &valueName, std::uint32_t &type, unsigned char *data,
        std::uint32_t &size) override
    {
        bind(m_queryValue, "RegQueryValueExA");
        DWORD valueType = 0;
        DWORD valueSize = size;
        const LONG result
            = m_queryValue(reinterpret_cast<HKEY>(handle), valueName.c_str(), nullptr, &valueType, data, &valueSize);
        type = valueType;
        size = valueSize;
        return result;
    }

    long RegCloseKey(std::uintptr_t handle) override
    {
        bind(m_closeKey, "RegCloseKey");
        return m_closeKey(reinterpret_cast<HKEY>(handle));
    }

private:
    // The predefined keys are 32-bit values sign-extended to a pointer:
    // HKEY_LOCAL_MACHINE is 0xFFFFFFFF80000002 in a 64-bit process.
    static HKEY toKey(std::uint32_t root)
    {
        return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(root))));
    }

    template <typename Function> void bind(Function &function, const char *name)
    {
        if (function)
            return;
        if (!m_library)
            m_library = LoadLibraryA("advapi32");
        if (!m_library)
            throw RuntimeError::of(RuntimeError::FileNotFound);
        const FARPROC address = GetProcAddress(m_library, name);
        if (!address)
            throw RuntimeError::of(RuntimeError::FileNotFound);
        // Through void (*)() so that GCC's -Wcast-function-type stays quiet.
        function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
    }

    HMODULE m_library = nullptr;
    OpenKeyFunction m_openKey = nullptr;
    QueryValueFunction m_queryValue = nullptr;
    CloseKeyFunction m_closeKey = nullptr;
};

} // namespace

std::unique_ptr<Registry> makeSystemRegistry()
{
    return std::make_unique<AdvapiRegistry>();
}

} // namespace poniruka
