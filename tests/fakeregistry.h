// SPDX-License-Identifier: MIT
#pragma once

#include "info/registry.h"
#include "shell/runtimeerror.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace poniruka {

/// An in-memory registry that records every call. Keys and value names are
/// compared exactly; a key may refuse write access, as HKEY_LOCAL_MACHINE does
/// for a user who is not an administrator.
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
        std::uint32_t root;
        std::string subKey;
        std::uint32_t options;
        std::uint32_t access;
        long result;
        std::uintptr_t handle; // what the caller was given
    };

    struct Query
    {
        std::uintptr_t handle;
        std::string valueName;
        std::uint32_t sizeIn; // the buffer size the caller passed
    };

    // Write rights; asked for with the read rights, a read-only key says no.
    static constexpr std::uint32_t writeRights = 0x02 | 0x04 | 0x20; // set value, create subkey, create link

    void setValue(const std::string &key, const std::string &name, Value value)
    {
        m_keys[key].values[name] = std::move(value);
    }
    void addKey(const std::string &key) { m_keys[key]; }
    void setReadOnly(const std::string &key) { m_keys[key].readOnly = true; }
    void removeKey(const std::string &key) { m_keys.erase(key); }

    // A registry function that cannot be bound, as when advapi32 lacks it.
    bool failOpenBinding = false;
    bool failQueryBinding = false;

    std::vector<Open> opens;
    std::vector<Query> queries;
    std::vector<std::uintptr_t> closes;

    /// The keys a caller managed to open, in order.
    std::vector<std::string> openedKeys() const
    {
        std::vector<std::string> keys;
        for (const auto &open : opens)
            if (open.result == NoError)
                keys.push_back(open.subKey);
        return keys;
    }

    long RegOpenKeyExA(std::uint32_t root, const std::string &subKey, std::uint32_t options, std::uint32_t access,
        std::uintptr_t &handle) override
    {
        if (failOpenBinding)
            throw RuntimeError::of(RuntimeError::FileNotFound);
        handle = 0;
        long result = NoError;
        const auto key = m_keys.find(subKey);
        if (root != LocalMachine || key == m_keys.end())
            result = FileNotFound;
        else if (key->second.readOnly && (access & writeRights))
            result = AccessDenied;
        else {
            handle = m_nextHandle;
            m_nextHandle += 0x10;
            m_open.emplace(handle, subKey);
        }
        opens.push_back({root, subKey, options, access, result, handle});
        return result;
    }

    long RegQueryValueExA(std::uintptr_t handle, const std::string &valueName, std::uint32_t &type, unsigned char *data,
        std::uint32_t &size) override
    {
        if (failQueryBinding)
            throw RuntimeError::of(RuntimeError::FileNotFound);
        queries.push_back({handle, valueName, size});
        const auto open = m_open.find(handle);
        if (open == m_open.end())
            return InvalidHandle;
        const auto &values = m_keys.at(open->second).values;
        const auto value = values.find(valueName);
        if (value == values.end())
            return FileNotFound;
        const auto needed = static_cast<std::uint32_t>(value->second.bytes.size());
        type = value->second.type;
        if (data && size < needed) {
            size = needed;
            return MoreData;
        }
        if (data)
            std::memcpy(data, value->second.bytes.data(), needed);
        size = needed;
        return NoError;
    }

    long RegCloseKey(std::uintptr_t handle) override
    {
        closes.push_back(handle);
        return m_open.erase(handle) ? NoError : InvalidHandle;
    }

    /// Every key that was opened has been closed once, with its own handle;
    /// every other close was of the 0 that a failed open leaves.
    bool everyKeyClosedOnce() const
    {
        std::vector<std::uintptr_t> expected;
        for (const auto &open : opens)
            expected.push_back(open.handle);
        std::vector<std::uintptr_t> actual = closes;
        std::sort(expected.begin(), expected.end());
        std::sort(actual.begin(), actual.end());
        return m_open.empty() && expected == actual;
    }

private:
    struct Key
    {
        bool readOnly = false;
        std::map<std::string, Value> values;
    };

    std::map<std::string, Key> m_keys;
    std::map<std::uintptr_t, std::string> m_open;
    std::uintptr_t m_nextHandle = 0x1000;
};

} // namespace poniruka
