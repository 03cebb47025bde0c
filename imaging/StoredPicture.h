// SPDX-License-Identifier: MIT
#pragma once

// The stored form of a picture: its class name as a length-prefixed string ("TJPEGImage"),
// then the stream's length as a 32-bit little-endian integer, then the JPEG stream.

#include "imaging/JpegDecoder.h"

#include <span>
#include <string>

namespace tp::imaging {

inline constexpr char kJpegClassName[] = "TJPEGImage";

struct StoredPicture {
    bool ok = false;
    // The JPEG stream; shorter than its stated length when the stored data is cut off, which
    // the decoder then reports as a premature end.
    std::span<const unsigned char> stream;
    std::string error;
};

// Only looks: nothing is copied, the stream points into `stored`.
StoredPicture ReadStoredPicture(std::span<const unsigned char> stored);

// The message for stored data that holds no JPEG picture at all.
inline constexpr char kNotAPicture[] = "Stream holds no JPEG picture";

DecodeResult DecodeStoredPicture(std::span<const unsigned char> stored, ColourDepth depth);
// Decodes into `target`; see DecodeJpegInto.
std::string DecodeStoredPictureInto(std::span<const unsigned char> stored, ColourDepth depth,
                                    PictureTarget& target, Palette& palette);
JpegSize ReadStoredPictureSize(std::span<const unsigned char> stored);

} // namespace tp::imaging
