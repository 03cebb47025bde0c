// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <functional>
#include <string>

namespace tp::app {

// QApplication ends the process with abort() (and a core dump) when its platform finds no
// display, after a message that does not say what to do. So the program asks first, as Qt
// would choose its platform, and answers a player with one line and status 1.
inline constexpr const char* kNoDisplayText =
    QT_TRANSLATE_NOOP("CommandLine", "cannot open a display; set DISPLAY or WAYLAND_DISPLAY");

// The environment Qt chooses its platform and display from.
struct DisplaySettings {
    std::string platform;       // QT_QPA_PLATFORM: names separated by ';', each maybe ":options"
    std::string x11Display;     // DISPLAY
    std::string waylandDisplay; // WAYLAND_DISPLAY
};
DisplaySettings DisplaySettingsFromEnvironment();

// Whether a display of each kind, named as in DISPLAY or WAYLAND_DISPLAY, can be opened.
struct DisplayProbes {
    std::function<bool(const std::string&)> openX11;
    std::function<bool(const std::string&)> openWayland;
};
// CanOpenX11Display and CanOpenWaylandDisplay.
DisplayProbes SystemDisplayProbes();

// Whether one of the platforms Qt would try can show a window: offscreen and minimal (and the
// other platforms that draw without a display server) need nothing; xcb needs an X display,
// wayland a Wayland one. With no platform named, Qt tries Wayland where it can and X11, so
// either will do.
bool CanShowWindows(const DisplaySettings& settings, const DisplayProbes& probes);

// Connects to the X display `name` and disconnects again. Built without the X client library,
// it cannot tell and says true.
bool CanOpenX11Display(const std::string& name);

// Whether Qt has its Wayland platform plugin and the compositor's socket `name` (relative to
// XDG_RUNTIME_DIR, or absolute) takes a connection.
bool CanOpenWaylandDisplay(const std::string& name);

} // namespace tp::app
