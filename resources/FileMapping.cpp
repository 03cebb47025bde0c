// SPDX-License-Identifier: MIT
#include "resources/FileMapping.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstddef>

namespace tp::resources {

std::span<const unsigned char> MapWholeFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return {};
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0) {
        ::close(fd);
        return {};
    }
    const auto size = static_cast<std::size_t>(status.st_size);
    void* const data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    // The mapping keeps the file open by itself.
    ::close(fd);
    if (data == MAP_FAILED) {
        return {};
    }
    return {static_cast<const unsigned char*>(data), size};
}

} // namespace tp::resources
