// SPDX-License-Identifier: MIT
#pragma once

// JPEG streams made on the spot for the decoder's tests, and a reader of their markers.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tp::test {

using Bytes = std::vector<unsigned char>;

enum class Coding { Baseline444, Baseline2x2, Progressive, RestartMarkers };

// A smooth colour test card of the given size: red across, green down, blue diagonal.
std::uint32_t CardPixel(int x, int y, int width, int height); // 0x00RRGGBB
Bytes EncodeCard(int width, int height, Coding coding, int quality = 95);

// Wraps a stream in the stored form: length-prefixed "TJPEGImage", 32-bit length, stream.
Bytes Stored(std::span<const unsigned char> jpeg);

// What the stream's markers say about it.
struct JpegLayout {
    bool startsWithSoi = false;
    bool endsWithEoi = false;
    bool baseline = false;    // SOF0
    bool progressive = false; // SOF2
    int width = 0;
    int height = 0;
    int components = 0;
    int lumaH = 0; // sampling factors of the first component
    int lumaV = 0;
    int chromaH = 0; // and of the others, which must agree
    int chromaV = 0;
    int restartInterval = 0; // from DRI, 0 without one
    int restartMarkers = 0;  // RSTn markers in the entropy-coded data
    int scans = 0;
    bool huffman = true; // no arithmetic coding frames
};
std::optional<JpegLayout> ReadLayout(std::span<const unsigned char> jpeg);

} // namespace tp::test
