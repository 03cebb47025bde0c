// SPDX-License-Identifier: MIT
#include "ui/WindowParts.h"

#include "ui/pictures/Glyphs.h"
#include "ui/pictures/PictureBox.h"

#include <cstdio>

namespace tp::ui {

QWidget* MakePicture(QWidget* parent, const char* name, const QRect& box,
                     resources::PictureId picture, bool autoSize) {
    auto* image = Place(new PictureBox(parent), name, box);
    image->SetPicture(resources::Picture(picture));
    image->SetAutoSize(autoSize);
    // A picture that cannot be decoded leaves its box empty; the game goes on, and the reason
    // goes where a desktop user can find it.
    QObject::connect(image, &PictureBox::PictureFailed, image, [](const QString& message) {
        std::fprintf(stderr, "tidepeddler: %s\n", message.toLocal8Bit().constData());
    });
    return image;
}

KindButton* StockButton(QWidget* parent, const char* name, const QRect& box, const QString& caption,
                        KindButton::Kind kind) {
    auto* button = Place(new KindButton(caption, kind, parent), name, box);
    button->SetGlyph(KindGlyphIcon(TraitsOf(kind).glyph));
    return button;
}

} // namespace tp::ui
