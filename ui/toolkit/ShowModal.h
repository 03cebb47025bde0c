// SPDX-License-Identifier: MIT
#pragma once

class QDialog;

namespace tp::ui {

class EndOfRun;

// Shows `dialog` application-modally (every other window takes no input) and returns the
// modal result it closed with (see ModalResult.h).
//
// Returns mrCancel at once, showing nothing, when the run is ending or when the dialog is
// already visible. A dialog that is open when the end of the run is requested closes by
// itself with mrCancel.
int ShowModal(QDialog& dialog, EndOfRun& endOfRun);

} // namespace tp::ui
