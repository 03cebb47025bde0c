#pragma once

// What the kernel knows about a running process, read from /proc.

#include <cstdint>
#include <optional>
#include <sys/types.h>

namespace tp::bench {

struct ProcSample {
    std::uint64_t cpuTicks = 0;   // utime + stime of every thread, in clock ticks
    std::uint64_t cpuNanos = 0;   // time on a CPU of every thread, from the scheduler
    std::uint64_t switches = 0;   // context switches of every thread: each is a wake-up
    std::uint64_t peakRssKiB = 0; // VmHWM
};

// Nothing when the process is gone.
std::optional<ProcSample> SampleProcess(pid_t pid);

long TicksPerSecond();

} // namespace tp::bench
