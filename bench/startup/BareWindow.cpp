// SPDX-License-Identifier: MIT
// The yardstick for the game's start-up: the least a Qt Widgets program can do to put a window of
// the main window's size on the screen. Nothing is drawn in it, no font is asked for.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(514, 327);
    window.show();
    return QApplication::exec();
}
