// SPDX-License-Identifier: MIT
#include "tools/InstructionCounter.h"

#include <linux/perf_event.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstring>

namespace tp::bench {

InstructionCounter::InstructionCounter(pid_t pid) {
    perf_event_attr attr;
    std::memset(&attr, 0, sizeof attr);
    attr.size = sizeof attr;
    attr.type = PERF_TYPE_HARDWARE;
    attr.config = PERF_COUNT_HW_INSTRUCTIONS;
    attr.disabled = 1;
    attr.enable_on_exec = 1;
    attr.inherit = 1;
    attr.exclude_kernel = 1;
    attr.exclude_hv = 1;
    fd_ = static_cast<int>(syscall(SYS_perf_event_open, &attr, pid, -1, -1, PERF_FLAG_FD_CLOEXEC));
}

InstructionCounter::~InstructionCounter() {
    if (fd_ >= 0) {
        close(fd_);
    }
}

std::optional<std::uint64_t> InstructionCounter::Read() const {
    std::uint64_t count = 0;
    if (fd_ < 0 || read(fd_, &count, sizeof count) != static_cast<ssize_t>(sizeof count)) {
        return std::nullopt;
    }
    return count;
}

} // namespace tp::bench
