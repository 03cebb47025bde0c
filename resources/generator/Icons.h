// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace tp::generator {

// The six service-button glyphs, 16 x 16; the bottom left pixel holds the colour that the
// button face shows through.
QImage GlyphBank();
QImage GlyphHospital();
QImage GlyphInternetCafe();
QImage GlyphAgency();
QImage GlyphStatement();
QImage GlyphHelp();

// A dialog button's stock glyph: 36 x 18, the normal cell and then its disabled look.
QImage KindGlyph(const QString& kind);

// The list icons: a 64 x 16 strip with room for four images, and which pixels are transparent.
struct ListIconStrip {
    QImage image;
    std::vector<bool> transparent;
};
ListIconStrip ListIcons();

// The leaping dolphin of the program icon at any size, on a transparent ground, and the same
// drawing as a scalable vector file.
QImage Dolphin(int size);
QString DolphinSvg();

} // namespace tp::generator
