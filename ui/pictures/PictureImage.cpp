// SPDX-License-Identifier: MIT
#include "ui/pictures/PictureImage.h"

#include "imaging/StoredPicture.h"

#include <QGuiApplication>
#include <QScreen>

#include <cstring>

namespace tp::ui {

imaging::ColourDepth DisplayColourDepth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr && screen->depth() <= 8 ? imaging::ColourDepth::Palette
                                                     : imaging::ColourDepth::TrueColour;
}

QImage ToQImage(const imaging::DecodedPicture& picture) {
    if (picture.width <= 0 || picture.height <= 0) {
        return {};
    }
    const bool indexed = picture.bitsPerPixel == 8;
    QImage image(picture.width, picture.height,
                 indexed ? QImage::Format_Indexed8 : QImage::Format_RGB888);
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) *
                                 static_cast<std::size_t>(picture.bitsPerPixel / 8);
    for (int y = 0; y < picture.height; ++y) {
        std::memcpy(image.scanLine(y), picture.Row(y), rowBytes);
    }
    if (indexed) {
        QList<QRgb> table;
        table.reserve(static_cast<qsizetype>(picture.palette.size()));
        for (const auto& c : picture.palette) {
            table.push_back(qRgb(c[0], c[1], c[2]));
        }
        image.setColorTable(table);
    }
    return image;
}

DecodedImage DecodeStoredImage(std::span<const unsigned char> stored, imaging::ColourDepth depth) {
    class ImageTarget final : public imaging::PictureTarget {
    public:
        bool Start(int width, int height, int bitsPerPixel) override {
            image = QImage(width, height,
                           bitsPerPixel == 8 ? QImage::Format_Indexed8 : QImage::Format_RGB888);
            return !image.isNull();
        }
        unsigned char* Row(int y) override { return image.scanLine(y); }
        QImage image;
    };
    ImageTarget target;
    imaging::Palette palette;
    const std::string error = imaging::DecodeStoredPictureInto(stored, depth, target, palette);
    if (!error.empty()) {
        return {QImage(), QString::fromStdString(error)};
    }
    if (target.image.format() == QImage::Format_Indexed8) {
        QList<QRgb> table;
        table.reserve(static_cast<qsizetype>(palette.size()));
        for (const auto& c : palette) {
            table.push_back(qRgb(c[0], c[1], c[2]));
        }
        target.image.setColorTable(table);
    }
    return {std::move(target.image), QString()};
}

QImage ToQImage(const imaging::ArgbImage& source) {
    if (source.width <= 0 || source.height <= 0) {
        return {};
    }
    QImage image(source.width, source.height, QImage::Format_ARGB32);
    for (int y = 0; y < source.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < source.width; ++x) {
            line[x] = source.At(x, y);
        }
    }
    return image;
}

} // namespace tp::ui
