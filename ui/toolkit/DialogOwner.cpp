#include "ui/toolkit/DialogOwner.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace tp::ui {

namespace {
QPointer<QWidget>& MainWindowSlot() {
    static QPointer<QWidget> slot;
    return slot;
}
} // namespace

void SetMainWindow(QWidget* mainWindow) {
    MainWindowSlot() = mainWindow;
}

QWidget* MainWindow() {
    return MainWindowSlot().data();
}

QWidget* DialogOwner() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    return MainWindow();
}

} // namespace tp::ui
