// SPDX-License-Identifier: MIT
#pragma once

#include "imaging/BitmapDecoder.h"
#include "resources/Resources.h"

#include <QIcon>

namespace tp::ui {

// A glyph as an icon for a push button: the Normal mode shows the first cell with the bottom
// left pixel's colour transparent, the Disabled mode the disabled look (GlyphCells.h). A null
// icon when the data holds no readable bitmap.
QIcon GlyphIcon(const imaging::ArgbImage& glyph);

// The main window's service buttons' glyphs (16 x 16, one cell).
QIcon ServiceGlyphIcon(resources::GlyphId id);

// The stock glyph of a dialog button's kind (18 x 18, two cells).
QIcon KindGlyphIcon(resources::StockGlyph kind);

} // namespace tp::ui
