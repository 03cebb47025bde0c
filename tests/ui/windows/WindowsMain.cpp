// SPDX-License-Identifier: MIT
#include "app/GameFaces.h"
#include "ui/GameFonts.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tp::ui::SetDefaultGameFont();
    tp::app::InstallGameFaces();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
