// SPDX-License-Identifier: MIT
// The main of every test binary that needs widgets: a QApplication on the offscreen platform
// (CI has no display) with a known locale, then the GoogleTest run.

#include <QApplication>
#include <QLocale>
#include <QtGlobal>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The locale the process starts in comes from the caller's LANG; tests must not depend on
    // it. Tests that need another locale use tp::test::ScopedLocale.
    qputenv("LC_ALL", "C.UTF-8");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale::c());
    return RUN_ALL_TESTS();
}
