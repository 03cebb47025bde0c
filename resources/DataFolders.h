// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace tp::resources {

// Where the game's data files are looked for, best first: "share/tidepeddler" in the folder
// above the program's, then in each folder further up. Installed, /usr/games/tidepeddler finds
// /usr/share/tidepeddler; in a build tree, <build>/app/tidepeddler and the test programs deeper
// down find <build>/share/tidepeddler, which the build fills. No absolute path is built in, so
// an install under another prefix or an unpacked package finds its own files.
std::vector<std::filesystem::path> DataFolders(const std::filesystem::path& programFolder);

// The first of `folders` holding a regular file `name`, as that file's path; empty if none.
std::filesystem::path FindDataFile(const std::vector<std::filesystem::path>& folders,
                                   std::string_view name);

} // namespace tp::resources
