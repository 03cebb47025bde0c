// SPDX-License-Identifier: MIT
#pragma once

// Reads the bitmap and icon files that hold the game's glyphs and icons. Free of Qt, like the
// picture decoder.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tp::imaging {

// Pixels as 0xAARRGGBB, rows top first.
struct ArgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
    std::uint32_t& At(int x, int y) {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

struct BitmapResult {
    bool ok = false;
    ArgbImage image;
    std::string error;
};

// An uncompressed bitmap file at 1, 4, 8, 16 (5 bits a colour) or 24 bits a pixel, either row
// order. Every pixel comes out opaque.
BitmapResult DecodeBitmapFile(std::span<const unsigned char> file);

// A glyph in its stored form: a 32-bit little-endian length, then a bitmap file that long.
BitmapResult DecodeStoredGlyph(std::span<const unsigned char> stored);

// The first image of an icon file (a bitmap with its mask), mask pixels fully transparent.
BitmapResult DecodeIconFile(std::span<const unsigned char> file);

// Side limit for bitmaps, for the same reason as the picture decoder's.
inline constexpr int kMaxBitmapSide = 1024;

} // namespace tp::imaging
