// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

namespace tp::generator {

// The eight pictures, each painted at its stored size.
QImage PaintBeach();            // 156 x 343
QImage PaintMap();              // 200 x 200
QImage PaintIsland();           // 113 x 116
QImage PaintDiaryTown();        // 100 x 131
QImage PaintBankLogo();         // 183 x 49
QImage PaintHospitalBuilding(); // 80 x 80
QImage PaintCafeBrowser();      // 150 x 108
QImage PaintAgencyPavilion();   // 100 x 121

} // namespace tp::generator
