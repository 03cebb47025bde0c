// SPDX-License-Identifier: MIT
#include "imaging/BitmapDecoder.h"
#include "resources/Resources.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace tp::resources {
namespace {

std::uint32_t U16(std::span<const unsigned char> b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at] | b[at + 1] << 8);
}
std::uint32_t U32(std::span<const unsigned char> b, std::size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

// The headers of a bitmap file: its size, where the pixels start, the image's shape.
void ExpectBitmapHeader(std::span<const unsigned char> file, int width, int height, int bits,
                        std::size_t paletteEntries) {
    ASSERT_GE(file.size(), 54u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(U32(file, 2), file.size());
    EXPECT_EQ(U32(file, 10), 54 + 4 * paletteEntries);
    EXPECT_EQ(U32(file, 14), 40u);
    EXPECT_EQ(static_cast<int>(U32(file, 18)), width);
    EXPECT_EQ(static_cast<int>(U32(file, 22)), height); // positive: bottom row first
    EXPECT_EQ(U16(file, 26), 1u);
    EXPECT_EQ(static_cast<int>(U16(file, 28)), bits);
    EXPECT_EQ(U32(file, 30), 0u); // uncompressed
}

class ServiceGlyphFiles : public ::testing::TestWithParam<GlyphId> {};

TEST_P(ServiceGlyphFiles, Are822ByteBitmapsAfterTheirLength) {
    const std::span<const unsigned char> stored = Glyph(GetParam());
    ASSERT_EQ(stored.size(), 4u + 822u);
    EXPECT_EQ(U32(stored, 0), 822u);
    ExpectBitmapHeader(stored.subspan(4), 16, 16, 24, 0);
    const imaging::BitmapResult glyph = imaging::DecodeStoredGlyph(stored);
    ASSERT_TRUE(glyph.ok) << glyph.error;
    // The transparent key colour frames the drawing but is not all of it.
    const std::uint32_t key = glyph.image.At(0, 15);
    int keyed = 0;
    for (std::uint32_t p : glyph.image.pixels) {
        keyed += p == key;
    }
    EXPECT_GT(keyed, 10);
    EXPECT_LT(keyed, 200);
}

INSTANTIATE_TEST_SUITE_P(All, ServiceGlyphFiles,
                         ::testing::Values(GlyphId::Bank, GlyphId::Hospital, GlyphId::InternetCafe,
                                           GlyphId::Agency, GlyphId::Statement, GlyphId::Help));

class KindGlyphFiles : public ::testing::TestWithParam<StockGlyph> {};

TEST_P(KindGlyphFiles, AreTwoCellSixteenColourBitmaps) {
    const std::span<const unsigned char> file = KindGlyph(GetParam());
    ExpectBitmapHeader(file, 36, 18, 4, 16);
    const imaging::BitmapResult glyph = imaging::DecodeBitmapFile(file);
    ASSERT_TRUE(glyph.ok) << glyph.error;
    // Both cells share the key colour in their bottom left corners, and differ otherwise.
    EXPECT_EQ(glyph.image.At(0, 17), glyph.image.At(18, 17));
    int differing = 0;
    for (int y = 0; y < 18; ++y) {
        for (int x = 0; x < 18; ++x) {
            differing += glyph.image.At(x, y) != glyph.image.At(18 + x, y);
        }
    }
    EXPECT_GT(differing, 10);
}

INSTANTIATE_TEST_SUITE_P(All, KindGlyphFiles,
                         ::testing::Values(StockGlyph::OK, StockGlyph::Yes, StockGlyph::No,
                                           StockGlyph::Cancel, StockGlyph::Help, StockGlyph::Close,
                                           StockGlyph::Abort, StockGlyph::Retry, StockGlyph::Ignore,
                                           StockGlyph::All));

TEST(ListIconFiles, SixteenBitStripWithOneBitMask) {
    const ListIconStrip strip = ListIcons();
    ExpectBitmapHeader(strip.image, 64, 16, 16, 0);
    ExpectBitmapHeader(strip.mask, 64, 16, 1, 2);
    const imaging::BitmapResult mask = imaging::DecodeBitmapFile(strip.mask);
    ASSERT_TRUE(mask.ok) << mask.error;
    // Cells 2 and 3 are room to grow: fully masked.
    for (int y = 0; y < 16; ++y) {
        for (int x = 32; x < 64; ++x) {
            ASSERT_EQ(mask.image.At(x, y), 0xFFFFFFFFu) << x << "," << y;
        }
    }
}

TEST(ProgramIconFile, OneImageOf32By32At256Colours) {
    const std::span<const unsigned char> icon = ProgramIcon();
    ASSERT_GE(icon.size(), 22u);
    EXPECT_EQ(U16(icon, 0), 0u);
    EXPECT_EQ(U16(icon, 2), 1u); // an icon, not a cursor
    EXPECT_EQ(U16(icon, 4), 1u); // one image
    EXPECT_EQ(icon[6], 32);
    EXPECT_EQ(icon[7], 32);
    EXPECT_EQ(U16(icon, 12), 8u); // bits a pixel
    const std::size_t offset = U32(icon, 18);
    EXPECT_EQ(offset + U32(icon, 14), icon.size());
    EXPECT_EQ(U32(icon, offset + 8), 64u); // image and mask
    EXPECT_EQ(U32(icon, offset + 32), 256u);
    const imaging::BitmapResult image = imaging::DecodeIconFile(icon);
    ASSERT_TRUE(image.ok) << image.error;
    EXPECT_EQ(image.image.width, 32);
}

} // namespace
} // namespace tp::resources
