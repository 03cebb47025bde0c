// SPDX-License-Identifier: MIT
#include "BitmapWriter.h"

#include <algorithm>
#include <limits>
#include <map>
#include <stdexcept>

namespace tp::generator {

const std::array<QRgb, 16> kSixteenColours{
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

namespace {

void Put16(Bytes& out, unsigned value) {
    out.push_back(static_cast<unsigned char>(value & 0xFF));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

std::size_t RowBytes(int width, int bits) {
    return static_cast<std::size_t>((width * bits + 31) / 32 * 4);
}

// The 40-byte information header; `height` is doubled by icons, which append a mask.
void PutInfoHeader(Bytes& out, int width, int height, int bits, std::uint32_t imageSize,
                   std::uint32_t coloursUsed) {
    Put32(out, 40);
    Put32(out, static_cast<std::uint32_t>(width));
    Put32(out, static_cast<std::uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<unsigned>(bits));
    Put32(out, 0); // no compression
    Put32(out, imageSize);
    Put32(out, 0);
    Put32(out, 0);
    Put32(out, coloursUsed);
    Put32(out, 0);
}

Bytes FileWithRows(int width, int height, int bits, const std::vector<QRgb>& palette,
                   const Bytes& rows) {
    Bytes out;
    const auto paletteBytes = static_cast<std::uint32_t>(palette.size() * 4);
    const std::uint32_t offset = 14 + 40 + paletteBytes;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + static_cast<std::uint32_t>(rows.size()));
    Put32(out, 0);
    Put32(out, offset);
    PutInfoHeader(out, width, height, bits, static_cast<std::uint32_t>(rows.size()),
                  static_cast<std::uint32_t>(palette.size()));
    for (QRgb c : palette) {
        out.push_back(static_cast<unsigned char>(qBlue(c)));
        out.push_back(static_cast<unsigned char>(qGreen(c)));
        out.push_back(static_cast<unsigned char>(qRed(c)));
        out.push_back(0);
    }
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

int Distance(QRgb a, QRgb b) {
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

unsigned char Nearest(QRgb colour, const std::vector<QRgb>& palette) {
    std::size_t best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int d = Distance(colour, palette[i]);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return static_cast<unsigned char>(best);
}

} // namespace

Bytes Bitmap24(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const std::size_t stride = RowBytes(rgb.width(), 24);
    Bytes rows(stride * static_cast<std::size_t>(rgb.height()), 0);
    for (int y = 0; y < rgb.height(); ++y) {
        unsigned char* row = rows.data() + stride * static_cast<std::size_t>(rgb.height() - 1 - y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = rgb.pixel(x, y);
            row[3 * x] = static_cast<unsigned char>(qBlue(c));
            row[3 * x + 1] = static_cast<unsigned char>(qGreen(c));
            row[3 * x + 2] = static_cast<unsigned char>(qRed(c));
        }
    }
    return FileWithRows(rgb.width(), rgb.height(), 24, {}, rows);
}

Bytes Bitmap4(const QImage& image) {
    const std::vector<QRgb> palette(kSixteenColours.begin(), kSixteenColours.end());
    const std::size_t stride = RowBytes(image.width(), 4);
    Bytes rows(stride * static_cast<std::size_t>(image.height()), 0);
    for (int y = 0; y < image.height(); ++y) {
        unsigned char* row =
            rows.data() + stride * static_cast<std::size_t>(image.height() - 1 - y);
        for (int x = 0; x < image.width(); ++x) {
            const unsigned char index = Nearest(image.pixel(x, y), palette);
            row[x / 2] = static_cast<unsigned char>(row[x / 2] | (x % 2 ? index : index << 4));
        }
    }
    return FileWithRows(image.width(), image.height(), 4, palette, rows);
}

Bytes Bitmap16(const QImage& image) {
    const std::size_t stride = RowBytes(image.width(), 16);
    Bytes rows(stride * static_cast<std::size_t>(image.height()), 0);
    for (int y = 0; y < image.height(); ++y) {
        unsigned char* row =
            rows.data() + stride * static_cast<std::size_t>(image.height() - 1 - y);
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            const unsigned value = static_cast<unsigned>(((qRed(c) >> 3) << 10) |
                                                         ((qGreen(c) >> 3) << 5) | (qBlue(c) >> 3));
            row[2 * x] = static_cast<unsigned char>(value & 0xFF);
            row[2 * x + 1] = static_cast<unsigned char>(value >> 8);
        }
    }
    return FileWithRows(image.width(), image.height(), 16, {}, rows);
}

Bytes Bitmap1(int width, int height, const std::vector<bool>& set) {
    const std::size_t stride = RowBytes(width, 1);
    Bytes rows(stride * static_cast<std::size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        unsigned char* row = rows.data() + stride * static_cast<std::size_t>(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            if (set[static_cast<std::size_t>(y * width + x)]) {
                row[x / 8] = static_cast<unsigned char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
    }
    return FileWithRows(width, height, 1, {qRgb(0, 0, 0), qRgb(255, 255, 255)}, rows);
}

Bytes Icon256(const QImage& image) {
    // Half-covered edge pixels are kept, blended over a light grey like a window's frame, so
    // that the one-bit mask does not eat the outline.
    QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb c = argb.pixel(x, y);
            const int a = qAlpha(c);
            if (a >= 80 && a < 255) {
                const auto blend = [a](int v, int under) {
                    return (v * a + under * (255 - a)) / 255;
                };
                argb.setPixel(
                    x, y,
                    qRgba(blend(qRed(c), 212), blend(qGreen(c), 208), blend(qBlue(c), 200), 255));
            }
        }
    }
    const int w = argb.width();
    const int h = argb.height();

    // The palette: the most frequent colours (at 6 bits a channel), then every pixel maps to
    // its nearest entry. A painted icon has few enough colours that little is lost.
    std::map<QRgb, int> counts;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb c = argb.pixel(x, y);
            if (qAlpha(c) >= 80) {
                ++counts[qRgb(qRed(c) & 0xFC, qGreen(c) & 0xFC, qBlue(c) & 0xFC)];
            }
        }
    }
    std::vector<std::pair<int, QRgb>> byCount;
    for (const auto& [colour, count] : counts) {
        byCount.emplace_back(count, colour);
    }
    std::stable_sort(byCount.begin(), byCount.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<QRgb> palette{qRgb(0, 0, 0)}; // entry 0 fills the transparent pixels
    for (const auto& entry : byCount) {
        if (palette.size() == 256) {
            break;
        }
        palette.push_back(entry.second);
    }
    palette.resize(256, qRgb(0, 0, 0));

    const std::size_t stride = RowBytes(w, 8);
    const std::size_t maskStride = RowBytes(w, 1);
    Bytes pixels(stride * static_cast<std::size_t>(h), 0);
    Bytes mask(maskStride * static_cast<std::size_t>(h), 0);
    const std::vector<QRgb> opaqueChoices(palette.begin() + 1, palette.end());
    for (int y = 0; y < h; ++y) {
        const std::size_t row = static_cast<std::size_t>(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const QRgb c = argb.pixel(x, y);
            const auto ux = static_cast<std::size_t>(x);
            if (qAlpha(c) >= 80) {
                pixels[row * stride + ux] = static_cast<unsigned char>(
                    Nearest(qRgb(qRed(c), qGreen(c), qBlue(c)), opaqueChoices) + 1);
            } else {
                mask[row * maskStride + ux / 8] =
                    static_cast<unsigned char>(mask[row * maskStride + ux / 8] | (0x80 >> (x % 8)));
            }
        }
    }

    Bytes out;
    Put16(out, 0);
    Put16(out, 1); // an icon
    Put16(out, 1); // one image
    const auto imageBytes = static_cast<std::uint32_t>(40 + 256 * 4 + pixels.size() + mask.size());
    out.push_back(static_cast<unsigned char>(w & 0xFF));
    out.push_back(static_cast<unsigned char>(h & 0xFF));
    out.push_back(0); // 256 colours is written as 0
    out.push_back(0);
    Put16(out, 1);
    Put16(out, 8);
    Put32(out, imageBytes);
    Put32(out, 6 + 16);
    PutInfoHeader(out, w, 2 * h, 8, static_cast<std::uint32_t>(pixels.size() + mask.size()), 256);
    for (QRgb c : palette) {
        out.push_back(static_cast<unsigned char>(qBlue(c)));
        out.push_back(static_cast<unsigned char>(qGreen(c)));
        out.push_back(static_cast<unsigned char>(qRed(c)));
        out.push_back(0);
    }
    out.insert(out.end(), pixels.begin(), pixels.end());
    out.insert(out.end(), mask.begin(), mask.end());
    return out;
}

} // namespace tp::generator
