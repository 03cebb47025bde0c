// SPDX-License-Identifier: MIT
#pragma once

// Decodes the game's JPEG pictures from memory with libjpeg. Free of Qt, so that the fuzzer
// and the tests can drive it on its own.

#include <array>
#include <span>
#include <string>
#include <vector>

namespace tp::imaging {

enum class ColourDepth {
    TrueColour, // 24 bits a pixel, R, G, B
    Palette,    // 8 bits a pixel into a palette of at most 236 colours, for 256-colour displays
};

inline constexpr int kPaletteColours = 236;

struct DecodedPicture {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 24;
    // Rows top first, packed: 3 bytes a pixel (R, G, B) or 1 byte, a palette index.
    std::vector<unsigned char> pixels;
    std::vector<std::array<unsigned char, 3>> palette; // only at 8 bits a pixel

    const unsigned char* Row(int y) const {
        return pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width) *
                                   static_cast<std::size_t>(bitsPerPixel / 8);
    }
};

// Either a picture or the reason there is none ("JPEG error #N", N being libjpeg's message
// number). A bad stream never ends the process.
struct DecodeResult {
    bool ok = false;
    DecodedPicture picture;
    std::string error;
};

using Palette = std::vector<std::array<unsigned char, 3>>;

// Where decoded rows go, so that a picture can be decoded straight into the memory that shows
// it. Told the picture's size and depth once, before the first row; then asked for the memory of
// each row, top first: width × bitsPerPixel / 8 bytes.
class PictureTarget {
public:
    virtual ~PictureTarget() = default;
    // False refuses the picture (no memory for it).
    virtual bool Start(int width, int height, int bitsPerPixel) = 0;
    virtual unsigned char* Row(int y) = 0;
};

// Full size, accurate integer inverse DCT, smooth upsampling, block smoothing. Any warning
// libjpeg raises (a truncated or corrupted stream) counts as a failure: a damaged picture is
// never shown half grey.
DecodeResult DecodeJpeg(std::span<const unsigned char> stream, ColourDepth depth);

// The same into `target`, with the palette of an 8-bit picture in `palette`. Returns the error,
// empty when the picture was decoded; after an error the target holds nothing to show.
std::string DecodeJpegInto(std::span<const unsigned char> stream, ColourDepth depth,
                           PictureTarget& target, Palette& palette);

// The picture's size from its header alone, for boxes that take their picture's size before
// the picture is first drawn.
struct JpegSize {
    bool ok = false;
    int width = 0;
    int height = 0;
    std::string error;
};
JpegSize ReadJpegSize(std::span<const unsigned char> stream);

// The largest picture accepted, in pixels a side: far beyond any of the game's, small enough
// that a forged header cannot make the decoder claim gigabytes.
inline constexpr int kMaxPictureSide = 4096;

std::string JpegErrorText(int messageCode);

} // namespace tp::imaging
