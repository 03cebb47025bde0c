// SPDX-License-Identifier: MIT
#include "resources/DataFolders.h"
#include "resources/FileMapping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace tp::resources {
namespace {

using Paths = std::vector<std::filesystem::path>;

// A fresh folder under the system's temporary folder, removed with its contents at the end.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string name = (std::filesystem::temp_directory_path() / "tp-data-XXXXXX").string();
        if (::mkdtemp(name.data()) != nullptr) {
            path_ = name;
        }
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

void Write(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

TEST(DataFolders, LookAboveTheProgramsFolderThenFurtherUp) {
    // Installed: /usr/games/tidepeddler reads /usr/share/tidepeddler first.
    EXPECT_EQ(DataFolders("/usr/games"), (Paths{"/usr/share/tidepeddler", "/share/tidepeddler"}));
    EXPECT_EQ(DataFolders("/usr/games/"), DataFolders("/usr/games"));
    EXPECT_EQ(DataFolders("/usr/local/games/../games").front(), "/usr/local/share/tidepeddler");
    // A test program deep in a build tree reaches the tree's own share folder.
    const Paths fromTest = DataFolders("/src/build/release/tests/ui/toolkit");
    EXPECT_EQ(fromTest.front(), "/src/build/release/tests/ui/share/tidepeddler");
    EXPECT_NE(std::find(fromTest.begin(), fromTest.end(), "/src/build/release/share/tidepeddler"),
              fromTest.end());
    EXPECT_EQ(fromTest.back(), "/share/tidepeddler");
    EXPECT_TRUE(DataFolders("/").empty());
}

TEST(DataFolders, FindTheFirstFolderHoldingTheFile) {
    TemporaryFolder root;
    ASSERT_FALSE(root.Path().empty());
    const auto near = root.Path() / "near";
    const auto far = root.Path() / "far";
    std::filesystem::create_directories(near / "song.ttf"); // a folder of that name is no file
    std::filesystem::create_directories(far);
    Write(far / "song.ttf", "face");

    EXPECT_EQ(FindDataFile({near, far}, "song.ttf"), far / "song.ttf");
    Write(near / "hei.ttf", "face");
    EXPECT_EQ(FindDataFile({near, far}, "hei.ttf"), near / "hei.ttf");
    EXPECT_TRUE(FindDataFile({near, far}, "other.ttf").empty());
    EXPECT_TRUE(FindDataFile({}, "song.ttf").empty());
    EXPECT_TRUE(FindDataFile({root.Path() / "absent"}, "song.ttf").empty());
}

TEST(FileMapping, MapsTheWholeFileAndNothingThatIsNoFile) {
    TemporaryFolder root;
    ASSERT_FALSE(root.Path().empty());
    std::string bytes(70000, '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<char>(i * 7 % 251);
    }
    Write(root.Path() / "face.ttf", bytes);
    const std::span<const unsigned char> mapped = MapWholeFile(root.Path() / "face.ttf");
    ASSERT_EQ(mapped.size(), bytes.size());
    EXPECT_TRUE(
        std::equal(mapped.begin(), mapped.end(), bytes.begin(),
                   [](unsigned char a, char b) { return a == static_cast<unsigned char>(b); }));

    Write(root.Path() / "empty.ttf", "");
    EXPECT_TRUE(MapWholeFile(root.Path() / "empty.ttf").empty());
    EXPECT_TRUE(MapWholeFile(root.Path() / "absent.ttf").empty());
    EXPECT_TRUE(MapWholeFile(root.Path()).empty());
}

} // namespace
} // namespace tp::resources
