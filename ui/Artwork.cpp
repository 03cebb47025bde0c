#include "ui/Artwork.h"

#include "resources/Resources.h"
#include "ui/Layout.h"
#include "ui/pictures/Glyphs.h"

namespace tp::ui {

namespace {

resources::Kind StockGlyphOf(BitBtn::Kind kind) {
    switch (kind) {
    case BitBtn::Kind::OK:
        return resources::Kind::OK;
    case BitBtn::Kind::Yes:
        return resources::Kind::Yes;
    case BitBtn::Kind::No:
        return resources::Kind::No;
    case BitBtn::Kind::Cancel:
        return resources::Kind::Cancel;
    case BitBtn::Kind::Help:
        return resources::Kind::Help;
    case BitBtn::Kind::Close:
        return resources::Kind::Close;
    case BitBtn::Kind::Abort:
        return resources::Kind::Abort;
    case BitBtn::Kind::Retry:
        return resources::Kind::Retry;
    case BitBtn::Kind::Ignore:
        return resources::Kind::Ignore;
    case BitBtn::Kind::All:
    case BitBtn::Kind::Custom:
        break;
    }
    return resources::Kind::All;
}

} // namespace

BitBtn* KindButton(QWidget* parent, const char* name, const QRect& box, const char* caption,
                   BitBtn::Kind kind) {
    auto* button = Place(new BitBtn(QString::fromUtf8(caption), kind, parent), name, box);
    button->SetGlyph(KindGlyphIcon(StockGlyphOf(kind)));
    return button;
}

} // namespace tp::ui
