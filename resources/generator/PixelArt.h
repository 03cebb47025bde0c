// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>

#include <initializer_list>
#include <map>

namespace tp::generator {

// Small glyphs drawn pixel by pixel from rows of letters, each letter a colour.
class PixelCanvas {
public:
    PixelCanvas(int width, int height, QRgb background);

    // Draws `rows` with its top left at (x, y); '.' leaves the pixel as it is.
    void Stamp(int x, int y, std::initializer_list<const char*> rows,
               const std::map<char, QRgb>& colours);
    void Set(int x, int y, QRgb colour);
    QRgb At(int x, int y) const { return image_.pixel(x, y); }
    const QImage& Image() const { return image_; }

private:
    QImage image_;
};

// The letters shared by all the glyphs.
const std::map<char, QRgb>& GlyphColours();

} // namespace tp::generator
