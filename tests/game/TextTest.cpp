// SPDX-License-Identifier: MIT
#include "game/Text.h"
#include "game/Catalogue.h"

#include <gtest/gtest.h>

namespace tp::game {
namespace {

TEST(GbkLength, CountsChineseAsTwoBytesAndAsciiAsOne) {
    EXPECT_EQ(GbkLength("路人甲"), 6u);
    EXPECT_EQ(GbkLength(""), 0u);
    EXPECT_EQ(GbkLength("P4"), 2u);
    EXPECT_EQ(GbkLength("😀"), 4u);
}

TEST(GbkLength, MatchesTheCatalogueByteCounts) {
    const std::size_t bytes[15] = {11, 14, 14, 14, 14, 13, 12, 16, 17, 16, 14, 16, 16, 16, 14};
    for (std::size_t i = 0; i < Catalogue.size(); ++i) {
        EXPECT_EQ(GbkLength(Catalogue[i].name), bytes[i]) << "good " << i + 1;
        EXPECT_LE(GbkLength(Catalogue[i].name), 20u);
    }
}

TEST(ShortString, CutsAtTheCapacityWithoutSplittingACharacter) {
    ShortString<11> name("路人甲");
    EXPECT_EQ(name.View(), "路人甲");
    EXPECT_EQ(name.GbkBytes(), 6u);

    name.Assign("一二三四五六七"); // 14 bytes: only five characters fit in 11
    EXPECT_EQ(name.View(), "一二三四五");
    name.Assign("abcdefghij一"); // 10 + 2 bytes: the Chinese character does not fit
    EXPECT_EQ(name.View(), "abcdefghij");
    name.Assign("abcdefghijk");
    EXPECT_EQ(name.View(), "abcdefghijk");
}

TEST(ShortString, SurvivesTruncatedUtf8) {
    const char broken[] = {'a', static_cast<char>(0xE8), static_cast<char>(0xB7)};
    ShortString<11> name(std::string_view(broken, sizeof broken));
    EXPECT_EQ(name.View(), "a");
}

TEST(CutToCharacters, CountsCharactersNotBytes) {
    EXPECT_EQ(CutToCharacters("路人甲", 2), "路人");
    EXPECT_EQ(CutToCharacters("ab😀c", 3), "ab😀");
    EXPECT_EQ(CutToCharacters("ab", 10), "ab");
    EXPECT_EQ(CutToCharacters("", 3), "");
}

} // namespace
} // namespace tp::game
