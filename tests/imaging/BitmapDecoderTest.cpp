// SPDX-License-Identifier: MIT
#include "imaging/BitmapDecoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace tp::imaging {
namespace {

using Bytes = std::vector<unsigned char>;

void Put16(Bytes& b, std::uint32_t v) {
    b.push_back(static_cast<unsigned char>(v));
    b.push_back(static_cast<unsigned char>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// A bitmap file around the given rows (already padded), `height` negative for top-down rows.
Bytes BitmapFile(int width, int height, int bits, const std::vector<std::uint32_t>& palette,
                 const Bytes& rows) {
    Bytes b{'B', 'M'};
    const auto offset = static_cast<std::uint32_t>(54 + 4 * palette.size());
    Put32(b, offset + static_cast<std::uint32_t>(rows.size()));
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, static_cast<std::uint32_t>(width));
    Put32(b, static_cast<std::uint32_t>(height));
    Put16(b, 1);
    Put16(b, static_cast<std::uint32_t>(bits));
    for (int i = 0; i < 6; ++i) {
        Put32(b, i == 4 ? static_cast<std::uint32_t>(palette.size()) : 0);
    }
    for (std::uint32_t c : palette) {
        Put32(b, c & 0xFFFFFF);
    }
    b.insert(b.end(), rows.begin(), rows.end());
    return b;
}

TEST(BitmapFiles, TwentyFourBitsBottomRowFirst) {
    // 2 x 2: the first stored row is the bottom one; each row padded to 8 bytes.
    const Bytes rows{0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0, 0,  // bottom: red, green
                     0xFF, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0, 0}; // top: blue, white
    const BitmapResult r = DecodeBitmapFile(BitmapFile(2, 2, 24, {}, rows));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.image.At(0, 0), 0xFF0000FFu);
    EXPECT_EQ(r.image.At(1, 0), 0xFFFFFFFFu);
    EXPECT_EQ(r.image.At(0, 1), 0xFFFF0000u);
    EXPECT_EQ(r.image.At(1, 1), 0xFF00FF00u);
}

TEST(BitmapFiles, TopDownRowsWhenHeightIsNegative) {
    const Bytes rows{0x00, 0x00, 0xFF, 0, 0xFF, 0x00, 0x00, 0};
    const BitmapResult r = DecodeBitmapFile(BitmapFile(1, -2, 24, {}, rows));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.image.At(0, 0), 0xFFFF0000u);
    EXPECT_EQ(r.image.At(0, 1), 0xFF0000FFu);
}

TEST(BitmapFiles, PaletteDepths) {
    const std::vector<std::uint32_t> palette{0x000000, 0x800000, 0x008000, 0x808000};
    // 4 bits: 3 pixels 1, 2, 3 in one row.
    const BitmapResult four = DecodeBitmapFile(BitmapFile(3, 1, 4, palette, {0x12, 0x30, 0, 0}));
    ASSERT_TRUE(four.ok) << four.error;
    EXPECT_EQ(four.image.At(0, 0), 0xFF800000u);
    EXPECT_EQ(four.image.At(1, 0), 0xFF008000u);
    EXPECT_EQ(four.image.At(2, 0), 0xFF808000u);
    // 1 bit: 10 pixels, bits 1010000001.
    const BitmapResult one =
        DecodeBitmapFile(BitmapFile(10, 1, 1, {0x000000, 0xFFFFFF}, {0xA0, 0x40, 0, 0}));
    ASSERT_TRUE(one.ok) << one.error;
    EXPECT_EQ(one.image.At(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(one.image.At(1, 0), 0xFF000000u);
    EXPECT_EQ(one.image.At(9, 0), 0xFFFFFFFFu);
    // 8 bits, an index beyond the table reads as black rather than past its end.
    const BitmapResult eight = DecodeBitmapFile(BitmapFile(2, 1, 8, palette, {0x02, 0x09, 0, 0}));
    ASSERT_TRUE(eight.ok) << eight.error;
    EXPECT_EQ(eight.image.At(0, 0), 0xFF008000u);
    EXPECT_EQ(eight.image.At(1, 0), 0xFF000000u);
}

TEST(BitmapFiles, SixteenBitsWidenFiveBitColours) {
    // 0x7FFF is white, 0x7C00 full red, 0x001F full blue.
    const BitmapResult r =
        DecodeBitmapFile(BitmapFile(3, 1, 16, {}, {0xFF, 0x7F, 0x00, 0x7C, 0x1F, 0x00, 0, 0}));
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.image.At(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(r.image.At(1, 0), 0xFFFF0000u);
    EXPECT_EQ(r.image.At(2, 0), 0xFF0000FFu);
}

TEST(BitmapFiles, DamagedFilesFailWithoutReadingPastTheData) {
    const Bytes good = BitmapFile(2, 2, 24, {}, Bytes(16, 0x40));
    ASSERT_TRUE(DecodeBitmapFile(good).ok);
    for (std::size_t keep = 0; keep < good.size(); ++keep) {
        const BitmapResult r = DecodeBitmapFile(std::span(good).first(keep));
        EXPECT_FALSE(r.ok) << keep;
        EXPECT_FALSE(r.error.empty());
        EXPECT_TRUE(r.image.pixels.empty());
    }
    Bytes compressed = good;
    compressed[30] = 1; // run-length coded
    EXPECT_EQ(DecodeBitmapFile(compressed).error, "Unsupported bitmap format");
    Bytes huge = good;
    huge[19] = 0x7F; // a width in the hundreds of millions
    EXPECT_EQ(DecodeBitmapFile(huge).error, "Bitmap size out of range");
}

TEST(StoredGlyphs, LengthPrefixMustCoverTheFile) {
    const Bytes file = BitmapFile(2, 2, 24, {}, Bytes(16, 0x40));
    Bytes stored;
    Put32(stored, static_cast<std::uint32_t>(file.size()));
    stored.insert(stored.end(), file.begin(), file.end());
    EXPECT_TRUE(DecodeStoredGlyph(stored).ok);
    EXPECT_FALSE(DecodeStoredGlyph(std::span(stored).first(stored.size() - 1)).ok);
    EXPECT_FALSE(DecodeStoredGlyph(std::span(stored).first(3)).ok);
}

TEST(IconFiles, MaskBitsMakePixelsTransparent) {
    // One 2 x 2 icon at 8 bits: colour table of two entries, then pixels, then the mask.
    Bytes image;
    Put32(image, 40);
    Put32(image, 2);
    Put32(image, 4); // twice the height: image and mask
    Put16(image, 1);
    Put16(image, 8);
    for (int i = 0; i < 6; ++i) {
        Put32(image, i == 4 ? 2 : 0);
    }
    Put32(image, 0x0000FF);                     // blue
    Put32(image, 0xFF0000);                     // red
    const Bytes pixels{0, 1, 0, 0, 1, 0, 0, 0}; // bottom: blue red; top: red blue
    image.insert(image.end(), pixels.begin(), pixels.end());
    const Bytes mask{0x40, 0, 0, 0, 0x00, 0, 0, 0}; // bottom right transparent
    image.insert(image.end(), mask.begin(), mask.end());
    Bytes file;
    Put16(file, 0);
    Put16(file, 1);
    Put16(file, 1);
    file.insert(file.end(), {2, 2, 2, 0});
    Put16(file, 1);
    Put16(file, 8);
    Put32(file, static_cast<std::uint32_t>(image.size()));
    Put32(file, 22);
    file.insert(file.end(), image.begin(), image.end());

    const BitmapResult r = DecodeIconFile(file);
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.image.width, 2);
    EXPECT_EQ(r.image.height, 2);
    EXPECT_EQ(r.image.At(0, 0), 0xFFFF0000u);
    EXPECT_EQ(r.image.At(1, 0), 0xFF0000FFu);
    EXPECT_EQ(r.image.At(0, 1), 0xFF0000FFu);
    EXPECT_EQ(r.image.At(1, 1), 0x00000000u);
    EXPECT_FALSE(DecodeIconFile(std::span(file).first(file.size() - 1)).ok);
}

} // namespace
} // namespace tp::imaging
