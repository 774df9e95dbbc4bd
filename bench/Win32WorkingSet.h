#pragma once

#include <optional>
#include <psapi.h>
#include <windows.h>

namespace quorrin::bench {

// The process's working set in MB (under Wine, the kernel's resident count of the process), if known.
inline std::optional<double> workingSetMegabytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters)) ||
        counters.WorkingSetSize == 0)
        return std::nullopt;
    return static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
}

} // namespace quorrin::bench
