// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QImage>

#include <array>
#include <cstdint>
#include <vector>

namespace tp::generator {

using Bytes = std::vector<unsigned char>;

// The sixteen colours of the classic display adapter palette, in its usual order.
extern const std::array<QRgb, 16> kSixteenColours;

// Bitmap files, bottom row first, every row padded to four bytes.
Bytes Bitmap24(const QImage& image);
// Each pixel takes the nearest of the sixteen colours.
Bytes Bitmap4(const QImage& image);
// 5 bits a colour, the top bit clear.
Bytes Bitmap16(const QImage& image);
// A set bit for every true entry of `set`, row by row from the top.
Bytes Bitmap1(int width, int height, const std::vector<bool>& set);

// An icon file holding one image at 256 colours; nearly clear pixels are left transparent
// through the icon's mask.
Bytes Icon256(const QImage& image);

} // namespace tp::generator
