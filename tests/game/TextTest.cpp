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

struct Filling {
    std::string_view pattern;
    std::string_view filled;
};

class FillTest : public ::testing::TestWithParam<Filling> {};

// A translator may reorder the values, repeat one or write a % of their own; whatever is not a
// value's place stays as written.
TEST_P(FillTest, PutsEachValueInItsPlaceAndLeavesTheRestAsWritten) {
    EXPECT_EQ(Fill(GetParam().pattern, {"路人甲", "6200"}), GetParam().filled);
    std::string text = "kept ";
    AppendFilled(text, GetParam().pattern, {"路人甲", "6200"});
    EXPECT_EQ(text, "kept " + std::string(GetParam().filled));
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FillTest,
    ::testing::Values(Filling{"%1你在青岛共赚到了:￥%2,你高兴的回到了你的故乡",
                              "路人甲你在青岛共赚到了:￥6200,你高兴的回到了你的故乡"},
                      Filling{"￥%2 for %1", "￥6200 for 路人甲"}, Filling{"%1%1", "路人甲路人甲"},
                      Filling{"100% sure, %3 and %0", "100% sure, %3 and %0"},
                      Filling{"ends in %", "ends in %"}, Filling{"%%1", "%路人甲"}, Filling{"", ""},
                      Filling{"no values", "no values"}));

} // namespace
} // namespace tp::game
