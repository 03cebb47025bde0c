// SPDX-License-Identifier: MIT
#pragma once

#include "imaging/BitmapDecoder.h"
#include "imaging/JpegDecoder.h"

#include <QImage>

namespace tp::ui {

// The depth pictures decode to on this display: a palette on displays of 256 colours or
// fewer, true colour otherwise. Needs a QGuiApplication.
imaging::ColourDepth DisplayColourDepth();

// Copies into a QImage: RGB888 at 24 bits, Indexed8 with the palette at 8 bits.
QImage ToQImage(const imaging::DecodedPicture& picture);

// Decodes a stored picture straight into a QImage of those formats, with no copy between: the
// image, or a null one and the reason.
struct DecodedImage {
    QImage image;
    QString error;
};
DecodedImage DecodeStoredImage(std::span<const unsigned char> stored, imaging::ColourDepth depth);
// ARGB32, keeping transparency.
QImage ToQImage(const imaging::ArgbImage& image);

} // namespace tp::ui
