// SPDX-License-Identifier: MIT
#include "resources/DataFolders.h"

#include <system_error>

namespace tp::resources {

std::vector<std::filesystem::path> DataFolders(const std::filesystem::path& programFolder) {
    std::filesystem::path folder = programFolder.lexically_normal();
    if (!folder.has_filename() && folder.has_parent_path()) {
        folder = folder.parent_path(); // "/usr/games/" names the same folder as "/usr/games"
    }
    std::vector<std::filesystem::path> folders;
    while (folder.has_parent_path() && folder.parent_path() != folder) {
        folder = folder.parent_path();
        folders.push_back(folder / "share" / "tidepeddler");
    }
    return folders;
}

std::filesystem::path FindDataFile(const std::vector<std::filesystem::path>& folders,
                                   std::string_view name) {
    for (const std::filesystem::path& folder : folders) {
        std::filesystem::path file = folder / name;
        std::error_code error;
        if (std::filesystem::is_regular_file(file, error)) {
            return file;
        }
    }
    return {};
}

} // namespace tp::resources
