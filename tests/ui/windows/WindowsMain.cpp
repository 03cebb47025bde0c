// SPDX-License-Identifier: MIT
#include "ui/toolkit/Fonts.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tp::ui::InstallFontSubstitutes();
    tp::ui::SetDefaultGameFont();
    tp::ui::InstallGameFaces();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
