// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <span>

namespace tp::resources {

// The whole of a regular file, mapped read-only: its pages are shared with the page cache and
// read in as they are touched, so nothing is copied onto the heap. The mapping stays until the
// process ends, for what is read from it (the game's faces) is used until then. Empty when the
// file cannot be opened, is empty or is not a regular file.
std::span<const unsigned char> MapWholeFile(const std::filesystem::path& path);

} // namespace tp::resources
