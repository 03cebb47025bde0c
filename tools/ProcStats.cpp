// SPDX-License-Identifier: MIT
#include "tools/ProcStats.h"

#include <dirent.h>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>

namespace tp::bench {

namespace {

std::string ProcPath(pid_t pid, const std::string& rest) {
    return "/proc/" + std::to_string(pid) + "/" + rest;
}

// The sum of the numbered fields of /proc/PID/stat. The command name in field 2 may hold spaces
// and parentheses, so fields are counted from the last ')'.
std::optional<std::uint64_t> SumOfStatFields(pid_t pid, std::initializer_list<int> wanted) {
    std::ifstream in(ProcPath(pid, "stat"));
    std::string line;
    if (!std::getline(in, line)) {
        return std::nullopt;
    }
    const auto close = line.rfind(')');
    if (close == std::string::npos) {
        return std::nullopt;
    }
    std::istringstream fields(line.substr(close + 2));
    std::string field;
    std::uint64_t sum = 0;
    // Fields 3.. follow.
    for (int index = 3; index <= 20 && fields >> field; ++index) {
        for (const int w : wanted) {
            sum += index == w ? std::stoull(field) : 0;
        }
    }
    return sum;
}

// utime and stime are fields 14 and 15.
std::optional<std::uint64_t> ReadCpuTicks(pid_t pid) {
    return SumOfStatFields(pid, {14, 15});
}

std::uint64_t ReadStatusValue(const std::string& path, const std::string& key) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key, 0) == 0) {
            return std::stoull(line.substr(key.size()));
        }
    }
    return 0;
}

void ReadThreads(pid_t pid, ProcSample& sample) {
    DIR* dir = opendir(ProcPath(pid, "task").c_str());
    if (dir == nullptr) {
        return;
    }
    while (const dirent* entry = readdir(dir)) {
        const std::string tid = entry->d_name;
        if (tid == "." || tid == "..") {
            continue;
        }
        const std::string task = ProcPath(pid, "task/" + tid + "/");
        ThreadSample thread;
        std::ifstream schedstat(task + "schedstat");
        schedstat >> thread.cpuNanos;
        thread.switches = ReadStatusValue(task + "status", "voluntary_ctxt_switches:") +
                          ReadStatusValue(task + "status", "nonvoluntary_ctxt_switches:");
        sample.threads[static_cast<pid_t>(std::stol(tid))] = thread;
    }
    closedir(dir);
}

} // namespace

std::optional<std::uint64_t> PageFaults(pid_t pid) {
    // minflt and majflt are fields 10 and 12.
    return SumOfStatFields(pid, {10, 12});
}

std::optional<ProcSample> SampleProcess(pid_t pid) {
    const auto ticks = ReadCpuTicks(pid);
    if (!ticks) {
        return std::nullopt;
    }
    ProcSample sample;
    sample.cpuTicks = *ticks;
    sample.peakRssKiB = ReadStatusValue(ProcPath(pid, "status"), "VmHWM:");
    ReadThreads(pid, sample);
    return sample;
}

ThreadSample ThreadWorkBetween(const ProcSample& before, const ProcSample& after) {
    ThreadSample work;
    for (const auto& [tid, now] : after.threads) {
        const auto then = before.threads.find(tid);
        const ThreadSample start = then != before.threads.end() ? then->second : ThreadSample{};
        work.cpuNanos += now.cpuNanos - start.cpuNanos;
        work.switches += now.switches - start.switches;
    }
    return work;
}

} // namespace tp::bench
