#pragma once

#include "resources/Resources.h"

#include <QRect>

class QWidget;

namespace tp::ui {

// A picture box of a window: the stored picture drawn at its natural size at the box's
// top-left corner and cut off at the box's edges. With `autoSize` the box takes the picture's
// size.
QWidget* MakePicture(QWidget* parent, const char* name, const QRect& box,
                     resources::PictureId picture, bool autoSize = false);

} // namespace tp::ui
