#pragma once

class QWidget;

namespace tp::ui {

// The main window owns every dialog and message: registering it lets the message helpers
// parent their boxes to it, so it stays disabled and below them while they are open.
void SetMainWindow(QWidget* mainWindow);
QWidget* MainWindow();

// The window a new message or input box belongs to: the modal window currently open (a
// message shown from inside a dialog's handler stacks above that dialog), else the active
// window, else the main window. May be null before a main window exists.
QWidget* DialogOwner();

} // namespace tp::ui
