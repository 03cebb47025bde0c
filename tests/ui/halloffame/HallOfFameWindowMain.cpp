// SPDX-License-Identifier: MIT
// Widgets on the offscreen platform (no display needed), drawn from the game's own faces.

#include "app/GameFaces.h"
#include "ui/GameFonts.h"

#include <QApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C.UTF-8");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale::c());
    tp::app::InstallGameFaces();
    tp::ui::SetDefaultGameFont();
    return RUN_ALL_TESTS();
}
