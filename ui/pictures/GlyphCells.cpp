// SPDX-License-Identifier: MIT
#include "ui/pictures/GlyphCells.h"

#include <algorithm>

namespace tp::ui {
namespace {

constexpr std::uint32_t kClear = 0x00000000u;
constexpr std::uint32_t kHighlight = 0xFFFFFFFFu;
constexpr std::uint32_t kShadow = 0xFF808080u;

imaging::ArgbImage Cell(const imaging::ArgbImage& glyph, int index, int cellWidth,
                        std::uint32_t transparent) {
    imaging::ArgbImage cell;
    cell.width = cellWidth;
    cell.height = glyph.height;
    cell.pixels.resize(static_cast<std::size_t>(cellWidth) *
                       static_cast<std::size_t>(glyph.height));
    for (int y = 0; y < glyph.height; ++y) {
        for (int x = 0; x < cellWidth; ++x) {
            const std::uint32_t c = glyph.At(index * cellWidth + x, y);
            cell.At(x, y) = c == transparent ? kClear : c;
        }
    }
    return cell;
}

bool IsDark(std::uint32_t argb) {
    if ((argb >> 24) == 0) {
        return false;
    }
    const std::uint32_t r = argb >> 16 & 0xFF;
    const std::uint32_t g = argb >> 8 & 0xFF;
    const std::uint32_t b = argb & 0xFF;
    return (r * 11 + g * 16 + b * 5) / 32 < 200;
}

} // namespace

int GlyphCellCount(int width, int height) {
    if (height > 0 && width % height == 0 && width / height >= 1 && width / height < 5) {
        return width / height;
    }
    return 1;
}

imaging::ArgbImage DisabledLook(const imaging::ArgbImage& normal) {
    imaging::ArgbImage out = normal;
    std::fill(out.pixels.begin(), out.pixels.end(), kClear);
    for (int y = 0; y < normal.height; ++y) {
        for (int x = 0; x < normal.width; ++x) {
            if (IsDark(normal.At(x, y)) && x + 1 < normal.width && y + 1 < normal.height) {
                out.At(x + 1, y + 1) = kHighlight;
            }
        }
    }
    for (int y = 0; y < normal.height; ++y) {
        for (int x = 0; x < normal.width; ++x) {
            if (IsDark(normal.At(x, y))) {
                out.At(x, y) = kShadow;
            }
        }
    }
    return out;
}

GlyphLooks SplitGlyph(const imaging::ArgbImage& glyph) {
    GlyphLooks looks;
    if (glyph.width <= 0 || glyph.height <= 0) {
        return looks;
    }
    const std::uint32_t transparent = glyph.At(0, glyph.height - 1);
    const int cells = GlyphCellCount(glyph.width, glyph.height);
    const int cellWidth = glyph.width / cells;
    looks.normal = Cell(glyph, 0, cellWidth, transparent);
    looks.disabled =
        cells >= 2 ? Cell(glyph, 1, cellWidth, transparent) : DisabledLook(looks.normal);
    return looks;
}

} // namespace tp::ui
