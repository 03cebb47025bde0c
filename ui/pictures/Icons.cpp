// SPDX-License-Identifier: MIT
#include "ui/pictures/Icons.h"

#include "resources/Resources.h"
#include "ui/pictures/PictureImage.h"

#include <QPixmap>

namespace tp::ui {

QImage ListIconStrip(std::span<const unsigned char> strip, std::span<const unsigned char> mask) {
    const imaging::BitmapResult image = imaging::DecodeBitmapFile(strip);
    const imaging::BitmapResult bits = imaging::DecodeBitmapFile(mask);
    if (!image.ok || !bits.ok || image.image.width != bits.image.width ||
        image.image.height != bits.image.height) {
        return {};
    }
    imaging::ArgbImage out = image.image;
    for (std::size_t i = 0; i < out.pixels.size(); ++i) {
        if ((bits.image.pixels[i] & 0x00FFFFFFu) != 0) { // a set (white) bit
            out.pixels[i] = 0;
        }
    }
    return ToQImage(out);
}

QList<QIcon> ListIconSet() {
    const resources::ListIconStrip stored = resources::ListIcons();
    const QImage strip = ListIconStrip(stored.image, stored.mask);
    QList<QIcon> icons;
    for (int i = 0; i < resources::kListIconCount; ++i) {
        const int size = resources::kListIconSize;
        icons.push_back(strip.isNull()
                            ? QIcon()
                            : QIcon(QPixmap::fromImage(strip.copy(i * size, 0, size, size))));
    }
    return icons;
}

QIcon ListIcon(int index) {
    if (index < 0 || index >= resources::kListIconCount) {
        return {};
    }
    return ListIconSet().at(index);
}

QIcon WindowIcon() {
    const imaging::BitmapResult icon = imaging::DecodeIconFile(resources::ProgramIcon());
    return icon.ok ? QIcon(QPixmap::fromImage(ToQImage(icon.image))) : QIcon();
}

} // namespace tp::ui
