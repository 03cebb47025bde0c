// SPDX-License-Identifier: MIT
#include "ui/pictures/Glyphs.h"

#include "ui/pictures/GlyphCells.h"
#include "ui/pictures/PictureImage.h"

#include <QPixmap>

namespace tp::ui {

QIcon GlyphIcon(const imaging::ArgbImage& glyph) {
    if (glyph.width <= 0 || glyph.height <= 0) {
        return {};
    }
    const GlyphLooks looks = SplitGlyph(glyph);
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(ToQImage(looks.normal)), QIcon::Normal);
    icon.addPixmap(QPixmap::fromImage(ToQImage(looks.disabled)), QIcon::Disabled);
    return icon;
}

QIcon ServiceGlyphIcon(resources::GlyphId id) {
    const imaging::BitmapResult glyph = imaging::DecodeStoredGlyph(resources::Glyph(id));
    return glyph.ok ? GlyphIcon(glyph.image) : QIcon();
}

QIcon KindGlyphIcon(resources::StockGlyph kind) {
    const imaging::BitmapResult glyph = imaging::DecodeBitmapFile(resources::KindGlyph(kind));
    return glyph.ok ? GlyphIcon(glyph.image) : QIcon();
}

} // namespace tp::ui
