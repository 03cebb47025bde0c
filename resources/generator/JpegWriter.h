// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

#include <string>
#include <vector>

namespace tp::generator {

struct JpegOptions {
    int quality = 90;
    bool subsample2x2 = false; // chroma at half resolution both ways; otherwise 4:4:4
    bool progressive = false;
    int restartRows = 0; // a restart marker after every this many MCU rows; 0 for none
    std::string comment; // a COM segment when not empty
    bool adobeMarker = false;
    bool photoshopMarker = false; // an APP13 segment, as photo editors leave behind
};

// Encodes an RGB picture as a JFIF stream: 8 bits a sample, three components, Huffman coded
// with optimised tables.
std::vector<unsigned char> EncodeJpeg(const QImage& image, const JpegOptions& options);

} // namespace tp::generator
