// SPDX-License-Identifier: MIT
// The list views' icons: a ship's wheel on a light blue ground for the market's rows, and a
// desktop computer for the goods carried. Stored as one strip with room for four.

#include "Icons.h"
#include "PixelArt.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

// Glyph rows are laid out one per line, as they appear.
// clang-format off
namespace tp::generator {
namespace {

QImage ShipsWheel() {
    // Painted four times larger and reduced, so that the spokes come out smooth.
    QImage big(64, 64, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(70, 120, 170), 2));
    p.setBrush(QColor(184, 222, 248));
    p.drawRoundedRect(QRectF(1, 1, 62, 62), 10, 10);
    const QPointF c(32, 32);
    const QColor wood(128, 72, 24);
    const QColor dark(80, 40, 10);
    for (int i = 0; i < 8; ++i) {
        const double a = i * 3.14159265 / 4;
        const QPointF dir(std::cos(a), std::sin(a));
        p.setPen(QPen(dark, 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, c + dir * 27);
        p.setPen(QPen(wood, 4.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(c, c + dir * 26);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(dark, 9));
    p.drawEllipse(c, 18, 18);
    p.setPen(QPen(QColor(176, 110, 44), 5));
    p.drawEllipse(c, 18, 18);
    p.setPen(QPen(dark, 2));
    p.setBrush(QColor(220, 180, 60));
    p.drawEllipse(c, 7, 7);
    p.end();
    return big.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage Computer() {
    PixelCanvas c(16, 16, qRgb(255, 0, 255));
    c.Stamp(0, 0, {"..kkkkkkkkkkkk..",
                   "..keeeeeeeeeek..",
                   "..kekkkkkkkkek..",
                   "..kekbcBBBBkek..",
                   "..kekcBBBBBkek..",
                   "..kekBBBBBBkek..",
                   "..kekBBBBBnkek..",
                   "..kekkkkkkkkek..",
                   "..keeeeeeeeGek..",
                   "..kkkkkkkkkkkk..",
                   "......ksSk......",
                   "...kkkkkkkkkk...",
                   ".keeeeeeeeeeeek.",
                   "kekSkSkSkSkSkSek",
                   "keeeeeeeeeeeeeek",
                   "kkkkkkkkkkkkkkkk"},
            GlyphColours());
    QImage image(16, 16, QImage::Format_ARGB32);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const QRgb v = c.At(x, y);
            image.setPixel(x, y, v == qRgb(255, 0, 255) ? qRgba(0, 0, 0, 0) : v);
        }
    }
    return image;
}

} // namespace

ListIconStrip ListIcons() {
    QImage strip(64, 16, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    {
        QPainter p(&strip);
        p.drawImage(0, 0, ShipsWheel());
        p.drawImage(16, 0, Computer());
    }
    ListIconStrip out;
    out.image = QImage(64, 16, QImage::Format_RGB32);
    out.transparent.assign(64 * 16, true);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 64; ++x) {
            const QRgb c = strip.pixel(x, y);
            const bool opaque = qAlpha(c) >= 128;
            // Transparent pixels are black in the image, as the mask's set bits expect.
            out.image.setPixel(x, y, opaque ? qRgb(qRed(c), qGreen(c), qBlue(c)) : qRgb(0, 0, 0));
            out.transparent[static_cast<std::size_t>(y * 64 + x)] = !opaque;
        }
    }
    return out;
}

// clang-format on
} // namespace tp::generator
