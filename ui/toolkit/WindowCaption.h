// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

#include <optional>

class QString;
class QWidget;

namespace tp::ui {

// Sets a top-level window's caption. An empty caption gives a truly empty title bar: the
// platform plugin would otherwise put the program's name there, so on X11 the window's
// _NET_WM_NAME and WM_NAME are cleared again whenever the window is (re)created or
// re-titled. Other platforms keep whatever they show for an empty title.
void SetCaption(QWidget& window, const QString& caption);

// The title properties as the window manager reads them from an X11 window. For checks run
// under a real X server; nullopt on other platforms or before the window exists.
struct NativeTitle {
    QByteArray netWmName; // _NET_WM_NAME, UTF-8
    QByteArray wmName;    // WM_NAME
};
std::optional<NativeTitle> ReadNativeTitle(const QWidget& window);

} // namespace tp::ui
