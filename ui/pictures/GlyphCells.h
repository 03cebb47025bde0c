// SPDX-License-Identifier: MIT
#pragma once

// How a button glyph becomes its normal and disabled looks. Free of Qt.

#include "imaging/BitmapDecoder.h"

namespace tp::ui {

// A glyph whose width is a whole multiple of its height, and less than five times it, holds
// that many square cells side by side; any other glyph is one cell.
int GlyphCellCount(int width, int height);

struct GlyphLooks {
    imaging::ArgbImage normal;
    imaging::ArgbImage disabled;
};

// The colour of the glyph's bottom left pixel turns transparent in every cell. The normal look
// is the first cell; the disabled look is the second cell, or, for a one-cell glyph, derived
// from the first by DisabledLook.
GlyphLooks SplitGlyph(const imaging::ArgbImage& glyph);

// The disabled look of one cell: its dark pixels in grey over a white copy one pixel down and
// to the right; light pixels drop out. Transparent pixels stay transparent.
imaging::ArgbImage DisabledLook(const imaging::ArgbImage& normal);

} // namespace tp::ui
