// SPDX-License-Identifier: MIT
#include "imaging/StoredPicture.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace tp::imaging {

StoredPicture ReadStoredPicture(std::span<const unsigned char> stored) {
    StoredPicture result;
    constexpr std::size_t nameLength = sizeof kJpegClassName - 1;
    constexpr std::size_t headerLength = 1 + nameLength + 4;
    if (stored.size() < headerLength || stored[0] != nameLength ||
        std::memcmp(stored.data() + 1, kJpegClassName, nameLength) != 0) {
        result.error = kNotAPicture;
        return result;
    }
    const unsigned char* size = stored.data() + 1 + nameLength;
    const std::uint32_t length =
        static_cast<std::uint32_t>(size[0]) | static_cast<std::uint32_t>(size[1]) << 8 |
        static_cast<std::uint32_t>(size[2]) << 16 | static_cast<std::uint32_t>(size[3]) << 24;
    const std::span<const unsigned char> rest = stored.subspan(headerLength);
    result.stream = rest.first(std::min<std::size_t>(length, rest.size()));
    result.ok = true;
    return result;
}

DecodeResult DecodeStoredPicture(std::span<const unsigned char> stored, ColourDepth depth) {
    const StoredPicture picture = ReadStoredPicture(stored);
    if (!picture.ok) {
        DecodeResult result;
        result.error = picture.error;
        return result;
    }
    return DecodeJpeg(picture.stream, depth);
}

std::string DecodeStoredPictureInto(std::span<const unsigned char> stored, ColourDepth depth,
                                    PictureTarget& target, Palette& palette) {
    const StoredPicture picture = ReadStoredPicture(stored);
    if (!picture.ok) {
        return picture.error;
    }
    return DecodeJpegInto(picture.stream, depth, target, palette);
}

JpegSize ReadStoredPictureSize(std::span<const unsigned char> stored) {
    const StoredPicture picture = ReadStoredPicture(stored);
    if (!picture.ok) {
        JpegSize size;
        size.error = picture.error;
        return size;
    }
    return ReadJpegSize(picture.stream);
}

} // namespace tp::imaging
