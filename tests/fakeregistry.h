// SPDX-License-Identifier: MIT
#pragma once

#include "info/registry.h"
#include "shell/runtimeerror.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace poniruka {

/// An in-memory registry below HKEY_LOCAL_MACHINE that records every call. A
/// key in readOnly refuses the write rights, as it does for a user who is not
/// an administrator.
class FakeRegistry final : public Registry
{
public:
    struct Value
    {
        std::uint32_t type = Text;
        std::string bytes;
    };
    struct Open
    {
        std::uint32_t root, options, access;
        std::string key;
        std::uintptr_t handle; // 0 when the open failed
    };

    void setValue(const std::string &key, const std::string &name, Value value) { keys[key][name] = std::move(value); }

    std::map<std::string, std::map<std::string, Value>> keys; // key, value name, value
    std::set<std::string> readOnly;
    bool queryThrows = false; // as when advapi32 cannot bind the function
    std::vector<Open> opens;
    std::vector<std::uint32_t> querySizes; // the buffer sizes the caller passed
    std::vector<std::uintptr_t> closes;

    long RegOpenKeyExA(std::uint32_t root, const std::string &key, std::uint32_t options, std::uint32_t access,
        std::uintptr_t &handle) override
    {
        const bool refused = readOnly.count(key) && (access & 0x26); // set value, create subkey, create link
        handle = root == LocalMachine && keys.count(key) && !refused ? 0x1000 + opens.size() : 0;
        opens.push_back({root, options, access, key, handle});
        return handle ? NoError : refused ? AccessDenied : FileNotFound;
    }

    long RegQueryValueExA(std::uintptr_t handle, const std::string &name, std::uint32_t &type, unsigned char *data,
        std::uint32_t &size) override
    {
        if (queryThrows)
            throw RuntimeError::of(RuntimeError::FileNotFound);
        querySizes.push_back(size);
        const auto open = std::find_if(opens.begin(), opens.end(), [&](const Open &o) { return o.handle == handle; });
        if (!handle || open == opens.end() || std::count(closes.begin(), closes.end(), handle))
            return InvalidHandle;
        const auto &values = keys.at(open->key);
        const auto value = values.find(name);
        if (value == values.end())
            return FileNotFound;
        type = value->second.type;
        const std::uint32_t room = size;
        size = std::uint32_t(value->second.bytes.size());
        if (room < size)
            return MoreData;
        std::memcpy(data, value->second.bytes.data(), size);
        return NoError;
    }

    long RegCloseKey(std::uintptr_t handle) override
    {
        closes.push_back(handle);
        return NoError;
    }

    /// Every open was closed once with the handle it gave, 0 after a failed one.
    bool everyKeyClosedOnce() const
    {
        std::vector<std::uintptr_t> handles;
        for (const Open &open : opens)
            handles.push_back(open.handle);
        return std::is_permutation(handles.begin(), handles.end(), closes.begin(), closes.end());
    }
};

} // namespace poniruka
