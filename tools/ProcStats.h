// SPDX-License-Identifier: MIT
#pragma once

// What the kernel knows about a running process, read from /proc.

#include <cstdint>
#include <map>
#include <optional>
#include <sys/types.h>

namespace tp::bench {

struct ThreadSample {
    std::uint64_t cpuNanos = 0; // time on a CPU, from the scheduler
    std::uint64_t switches = 0; // context switches: each is a wake-up
};

struct ProcSample {
    std::uint64_t cpuTicks = 0;   // utime + stime of the process (ended threads included)
    std::uint64_t peakRssKiB = 0; // VmHWM
    std::map<pid_t, ThreadSample> threads;
};

// Nothing when the process is gone.
std::optional<ProcSample> SampleProcess(pid_t pid);

// The page faults of the process so far, minor and major. Unlike a time, the count hardly moves
// with what else the machine is doing.
std::optional<std::uint64_t> PageFaults(pid_t pid);

// What the threads did between two samples. Threads are matched by id, so a thread that ended
// in between cannot hide the work of the others; one that started counts from zero.
ThreadSample ThreadWorkBetween(const ProcSample& before, const ProcSample& after);

} // namespace tp::bench
