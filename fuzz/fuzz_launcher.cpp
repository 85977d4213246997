// SPDX-License-Identifier: MIT
// Any bytes the registry may hold, of any type and size, are read without a
// crash, and the launcher always either starts something or says it can't.
#include "info/registry.h"
#include "info/sysinfo.h"
#include "shell/commandline.h"
#include "shell/runtimeerror.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace poniruka;

// One key at each location, whose value is the fuzzer's bytes.
class BytesRegistry : public Registry
{
public:
    BytesRegistry(std::uint32_t type, std::string bytes, long openResult)
        : m_type(type), m_bytes(std::move(bytes)), m_openResult(openResult)
    {
    }
    long RegOpenKeyExA(
        std::uint32_t, const std::string &, std::uint32_t, std::uint32_t, std::uintptr_t &handle) override
    {
        handle = m_openResult == NoError ? 42 : 0;
        return m_openResult;
    }
    long RegQueryValueExA(
        std::uintptr_t, const std::string &, std::uint32_t &type, unsigned char *data, std::uint32_t &size) override
    {
        type = m_type;
        const auto needed = std::uint32_t(m_bytes.size());
        if (size < needed) {
            size = needed;
            return MoreData;
        }
        std::memcpy(data, m_bytes.data(), needed);
        size = needed;
        return NoError;
    }
    long RegCloseKey(std::uintptr_t) override { return NoError; }

private:
    std::uint32_t m_type;
    std::string m_bytes;
    long m_openResult;
};

class World : public SysInfoLauncher::Files, public SysInfoLauncher::Programs, public SysInfoLauncher::Messages
{
public:
    std::string Dir(const std::string &path) override { return path.size() % 2 ? "MSINFO32.EXE" : ""; }
    void Shell(const std::string &command, int) override
    {
        // Split the way the real start does, and fail on what it would refuse.
        if (splitCommandLine(command, [](const std::string &p) { return p.size() % 3 == 0; }).empty())
            throw RuntimeError::of(RuntimeError::FileNotFound);
        ++outcomes;
    }
    void MsgBox(const std::string &) override { ++outcomes; }
    int outcomes = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 2)
        return 0;
    const std::uint32_t type = data[0] % 6;
    const long openResult = data[1] % 4 == 0 ? Registry::FileNotFound : Registry::NoError;
    BytesRegistry registry(type, std::string(reinterpret_cast<const char *>(data + 2), size - 2), openResult);
    World world;
    SysInfoLauncher launcher(registry, world, world, world);
    launcher.StartSysInfo();
    if (world.outcomes != 1)
        std::abort();
    return 0;
}
