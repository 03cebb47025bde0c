// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <sys/types.h>

namespace tp::bench {

// Counts the instructions a process and the threads it starts run in user space, from its exec
// on: a figure of work that, unlike a time, the rest of the machine does not move. Machines whose
// processor counters are not open to programs (many virtual ones) have no count.
class InstructionCounter {
public:
    // `pid` must be stopped before its exec; counting starts when it calls exec.
    explicit InstructionCounter(pid_t pid);
    ~InstructionCounter();
    InstructionCounter(const InstructionCounter&) = delete;
    InstructionCounter& operator=(const InstructionCounter&) = delete;

    // The count so far, or nothing when the machine gives none.
    std::optional<std::uint64_t> Read() const;

private:
    int fd_ = -1;
};

} // namespace tp::bench
