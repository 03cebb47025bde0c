// SPDX-License-Identifier: MIT
// Keeps a file as every store does, from a process of its own, so that tests can kill it from
// outside in the middle of a write or take disk space or permissions away from it.
//
//   tp_kept_writer FILE LETTERS [--count N] [--bytes N] [--file-size-limit BYTES]
//                  [--without-file-override]
//
// Takes the file's lock and prints how it went (Ours, HeldByAnother, NotWritable or Failed), then
// replaces the file with --bytes (65536) of each letter of LETTERS in turn, --count times (once
// per letter; 0 for ever), printing "saved" or "not-saved" each time. Exits 3 if any was not saved.

#include "storage/KeptFiles.h"
#include "storage/KeptLock.h"
#include "tests/storage/ProcessLimits.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
    if (argc < 3 || argv[2][0] == '\0') {
        return 2;
    }
    const QByteArray letters = argv[2];
    long count = letters.size();
    long bytes = 65536;
    for (int i = 3; i < argc; ++i) {
        const std::string option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
        if (option == "--count" && value != nullptr) {
            count = std::atol(argv[++i]);
        } else if (option == "--bytes" && value != nullptr) {
            bytes = std::atol(argv[++i]);
        } else if (option == "--file-size-limit" && value != nullptr) {
            if (!tp::storagetest::LimitFileSize(std::strtoul(argv[++i], nullptr, 10))) {
                return 2;
            }
        } else if (option != "--without-file-override" || !tp::storagetest::DropFileOverrides()) {
            return 2;
        }
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    tp::storage::KeptLock lock(path);
    const char* taken[] = {"Ours", "HeldByAnother", "NotWritable", "Failed"};
    std::printf("%s\n", taken[static_cast<int>(lock.Take())]);
    bool allSaved = true;
    for (long i = 0; count == 0 || i < count; ++i) {
        const QByteArray text(bytes, letters[i % letters.size()]);
        const bool saved = tp::storage::ReplaceKeptFile(path, text, nullptr);
        allSaved = allSaved && saved;
        std::printf(saved ? "saved\n" : "not-saved\n");
        std::fflush(stdout);
    }
    return allSaved ? 0 : 3;
}
