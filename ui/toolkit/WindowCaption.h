// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

namespace tp::ui {

// Sets a top-level window's caption. An empty caption gives a truly empty title bar: the
// platform plugin would otherwise put the program's name there, so on X11 the window's
// _NET_WM_NAME and WM_NAME are cleared again whenever the window is (re)created or
// re-titled. Other platforms keep whatever they show for an empty title.
void SetCaption(QWidget& window, const QString& caption);

} // namespace tp::ui
