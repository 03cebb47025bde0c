// SPDX-License-Identifier: MIT
#include "ui/pictures/GlyphCells.h"

#include <gtest/gtest.h>

namespace tp::ui {
using imaging::ArgbImage;
namespace {

constexpr std::uint32_t kOlive = 0xFF808000u;
constexpr std::uint32_t kBlack = 0xFF000000u;
constexpr std::uint32_t kYellow = 0xFFFFFF00u;

ArgbImage Filled(int width, int height, std::uint32_t colour) {
    ArgbImage image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<std::size_t>(width * height), colour);
    return image;
}

TEST(GlyphCells, CountFollowsWidthOverHeightBelowFive) {
    EXPECT_EQ(GlyphCellCount(16, 16), 1);
    EXPECT_EQ(GlyphCellCount(36, 18), 2);
    EXPECT_EQ(GlyphCellCount(64, 16), 4);
    EXPECT_EQ(GlyphCellCount(80, 16), 1); // five times: one cell
    EXPECT_EQ(GlyphCellCount(20, 16), 1); // not a whole multiple
    EXPECT_EQ(GlyphCellCount(8, 16), 1);
    EXPECT_EQ(GlyphCellCount(16, 0), 1);
}

TEST(GlyphCells, BottomLeftColourIsTransparentEverywhere) {
    ArgbImage glyph = Filled(4, 4, kOlive);
    glyph.At(1, 1) = kBlack;
    glyph.At(3, 0) = kYellow;
    const GlyphLooks looks = SplitGlyph(glyph);
    ASSERT_EQ(looks.normal.width, 4);
    EXPECT_EQ(looks.normal.At(0, 3), 0u);
    EXPECT_EQ(looks.normal.At(2, 2), 0u);
    EXPECT_EQ(looks.normal.At(1, 1), kBlack);
    EXPECT_EQ(looks.normal.At(3, 0), kYellow);
    // Whatever the bottom left pixel holds is the key, even a colour used elsewhere.
    glyph.At(0, 3) = kYellow;
    const GlyphLooks keyed = SplitGlyph(glyph);
    EXPECT_EQ(keyed.normal.At(3, 0), 0u);
    EXPECT_EQ(keyed.normal.At(1, 0), kOlive);
}

TEST(GlyphCells, TwoCellGlyphTakesItsSecondCellAsDisabled) {
    ArgbImage glyph = Filled(8, 4, kOlive);
    glyph.At(1, 1) = kBlack;  // first cell
    glyph.At(6, 2) = kYellow; // second cell, at (2, 2) within it
    const GlyphLooks looks = SplitGlyph(glyph);
    ASSERT_EQ(looks.normal.width, 4);
    ASSERT_EQ(looks.disabled.width, 4);
    EXPECT_EQ(looks.normal.At(1, 1), kBlack);
    EXPECT_EQ(looks.normal.At(2, 2), 0u);
    EXPECT_EQ(looks.disabled.At(2, 2), kYellow);
    EXPECT_EQ(looks.disabled.At(1, 1), 0u);
}

TEST(GlyphCells, OneCellGlyphDerivesAnEmbossedDisabledLook) {
    ArgbImage glyph = Filled(5, 5, kOlive);
    glyph.At(1, 1) = kBlack;
    glyph.At(2, 1) = 0xFFFFFFFFu; // light: drops out
    const GlyphLooks looks = SplitGlyph(glyph);
    EXPECT_EQ(looks.disabled.At(1, 1), 0xFF808080u); // grey where the ink was
    EXPECT_EQ(looks.disabled.At(2, 2), 0xFFFFFFFFu); // its highlight, down and right
    EXPECT_EQ(looks.disabled.At(2, 1), 0u);
    EXPECT_EQ(looks.disabled.At(0, 4), 0u);
    int drawn = 0;
    for (std::uint32_t p : looks.disabled.pixels) {
        drawn += p != 0;
    }
    EXPECT_EQ(drawn, 2);
}

TEST(GlyphCells, EmptyGlyphGivesEmptyLooks) {
    const GlyphLooks looks = SplitGlyph(ArgbImage{});
    EXPECT_TRUE(looks.normal.pixels.empty());
    EXPECT_TRUE(looks.disabled.pixels.empty());
}

} // namespace
} // namespace tp::ui
