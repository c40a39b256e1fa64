#pragma once
// The memory the test process has committed, for leak checks over many
// repetitions (Wine reports no GDI object counts).
#include <windows.h>
#include <psapi.h>

#include <cstddef>

inline std::size_t CommittedBytes()
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PagefileUsage;
}
