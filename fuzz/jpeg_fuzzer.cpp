// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the picture loader: as a bare JPEG stream at both colour depths,
// as the header reader sees it, and as a stored picture.

#include "imaging/JpegDecoder.h"
#include "imaging/StoredPicture.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const unsigned char> bytes(data, size);
    for (const auto depth :
         {tp::imaging::ColourDepth::TrueColour, tp::imaging::ColourDepth::Palette}) {
        const tp::imaging::DecodeResult result = tp::imaging::DecodeJpeg(bytes, depth);
        if (result.ok) {
            const auto& p = result.picture;
            // What the caller relies on: the buffer matches the stated size and depth.
            const std::size_t expected = static_cast<std::size_t>(p.width) *
                                         static_cast<std::size_t>(p.height) *
                                         static_cast<std::size_t>(p.bitsPerPixel / 8);
            if (p.width <= 0 || p.height <= 0 || p.pixels.size() != expected ||
                p.palette.size() > tp::imaging::kPaletteColours) {
                std::abort();
            }
        } else if (result.error.empty()) {
            std::abort();
        }
    }
    const tp::imaging::JpegSize header = tp::imaging::ReadJpegSize(bytes);
    if (header.ok && (header.width <= 0 || header.height <= 0)) {
        std::abort();
    }
    tp::imaging::DecodeStoredPicture(bytes, tp::imaging::ColourDepth::TrueColour);
    return 0;
}
