// SPDX-License-Identifier: MIT
#pragma once

#include "imaging/BitmapDecoder.h"

#include <QIcon>
#include <QImage>
#include <QList>

#include <span>

namespace tp::ui {

// The list views' icons, in image-list order (0: ship's wheel for the market's rows,
// 1: desktop computer for the goods carried); the mask's set bits are transparent.
QList<QIcon> ListIconSet();
QIcon ListIcon(int index); // a null icon outside 0..1

// The list icons as one transparent strip of 16 x 16 cells, from a strip file and its mask
// file; a null image when either is unreadable or their sizes differ.
QImage ListIconStrip(std::span<const unsigned char> strip, std::span<const unsigned char> mask);

// The program's icon, the leaping dolphin, for every window's title bar and the task bar.
QIcon WindowIcon();

} // namespace tp::ui
