#pragma once

#include "ui/toolkit/BitBtn.h"

class QRect;

namespace tp::ui {

// A dialog button of the given kind with the stock glyph of its kind.
BitBtn* KindButton(QWidget* parent, const char* name, const QRect& box, const char* caption,
                   BitBtn::Kind kind);

} // namespace tp::ui
