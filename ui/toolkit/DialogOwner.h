// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace tp::ui {

// The window a new message or input box belongs to: the modal window currently open (a
// message shown from inside a dialog's handler stacks above that dialog), else the active
// window, else `mainWindow`, which owns every dialog and message of the run. The owner stays
// disabled and below the box while it is open. May be null.
QWidget* DialogOwner(QWidget* mainWindow);

} // namespace tp::ui
