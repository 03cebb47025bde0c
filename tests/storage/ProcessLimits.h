// SPDX-License-Identifier: MIT
#pragma once

// What the writer processes of the store tests take away from themselves, so that a test can
// meet a full disk or a folder it may not write to.

#include <csignal>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tp::storagetest {

// Tests run as root in CI, and root writes into read-only folders and reads unreadable files.
// Dropping the capabilities that allow it makes this process see permissions as a player does.
inline bool DropFileOverrides() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    if (syscall(SYS_capget, &header, data) != 0) {
        return false;
    }
    for (const unsigned cap :
         {unsigned{CAP_DAC_OVERRIDE}, unsigned{CAP_DAC_READ_SEARCH}, unsigned{CAP_FOWNER}}) {
        data[cap / 32].effective &= ~(1u << (cap % 32));
        data[cap / 32].permitted &= ~(1u << (cap % 32));
    }
    return syscall(SYS_capset, &header, data) == 0;
}

// A file may not grow past `bytes`, as on a full disk; writes beyond fail instead of killing.
inline bool LimitFileSize(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, bytes};
    return setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

} // namespace tp::storagetest
