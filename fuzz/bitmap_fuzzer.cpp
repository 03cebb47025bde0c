// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the glyph and icon readers, and splits what they accept into a
// glyph's normal and disabled looks.

#include "imaging/BitmapDecoder.h"
#include "ui/pictures/GlyphCells.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

namespace {

void Check(const tp::imaging::BitmapResult& result) {
    if (!result.ok) {
        if (result.error.empty()) {
            std::abort();
        }
        return;
    }
    const auto& image = result.image;
    if (image.pixels.size() !=
        static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) {
        std::abort();
    }
    const tp::ui::GlyphLooks looks = tp::ui::SplitGlyph(image);
    if (looks.normal.height != image.height || looks.disabled.width != looks.normal.width) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const unsigned char> bytes(data, size);
    Check(tp::imaging::DecodeBitmapFile(bytes));
    Check(tp::imaging::DecodeStoredGlyph(bytes));
    Check(tp::imaging::DecodeIconFile(bytes));
    return 0;
}
