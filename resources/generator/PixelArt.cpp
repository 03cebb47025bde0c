// SPDX-License-Identifier: MIT
#include "PixelArt.h"

#include <cstring>

namespace tp::generator {

PixelCanvas::PixelCanvas(int width, int height, QRgb background)
    : image_(width, height, QImage::Format_RGB32) {
    image_.fill(background);
}

void PixelCanvas::Stamp(int x, int y, std::initializer_list<const char*> rows,
                        const std::map<char, QRgb>& colours) {
    int row = 0;
    for (const char* line : rows) {
        const int length = static_cast<int>(std::strlen(line));
        for (int col = 0; col < length; ++col) {
            const auto found = colours.find(line[col]);
            if (line[col] != '.' && found != colours.end()) {
                Set(x + col, y + row, found->second);
            }
        }
        ++row;
    }
}

void PixelCanvas::Set(int x, int y, QRgb colour) {
    if (image_.valid(x, y)) {
        image_.setPixel(x, y, colour);
    }
}

const std::map<char, QRgb>& GlyphColours() {
    static const std::map<char, QRgb> colours{
        {'k', qRgb(0, 0, 0)},       {'K', qRgb(64, 64, 64)},    {'S', qRgb(128, 128, 128)},
        {'s', qRgb(192, 192, 192)}, {'w', qRgb(255, 255, 255)}, {'g', qRgb(0, 96, 0)},
        {'D', qRgb(24, 132, 48)},   {'G', qRgb(48, 168, 72)},   {'L', qRgb(150, 222, 150)},
        {'r', qRgb(224, 16, 16)},   {'R', qRgb(144, 0, 0)},     {'o', qRgb(255, 140, 64)},
        {'b', qRgb(168, 216, 255)}, {'c', qRgb(96, 160, 240)},  {'B', qRgb(16, 80, 208)},
        {'n', qRgb(0, 32, 128)},    {'y', qRgb(255, 224, 0)},   {'Y', qRgb(184, 140, 0)},
        {'f', qRgb(244, 196, 152)}, {'h', qRgb(120, 72, 24)},   {'p', qRgb(150, 60, 190)},
        {'e', qRgb(236, 236, 228)},
    };
    return colours;
}

} // namespace tp::generator
