// SPDX-License-Identifier: MIT
#pragma once

namespace tp::ui {

// The result a modal window closes with. The values are fixed: buttons map to them by kind
// and callers compare against them.
enum ModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrYes = 6,
    mrNo = 7,
};

} // namespace tp::ui
