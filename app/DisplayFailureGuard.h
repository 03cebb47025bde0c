// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace tp::app {

// Keeps QApplication's construction from ending in abort() where DisplayCheck could not foresee
// it (a Wayland socket but no Wayland plugin for Qt, a display gone in between): while the
// guard lives, Qt's fatal message prints `noDisplayLine` instead and the program exits with
// status 1. Other messages are written to stderr as Qt's own handler writes them. Dismiss() it,
// or let it go, once QApplication stands.
class DisplayFailureGuard {
public:
    explicit DisplayFailureGuard(const QByteArray& noDisplayLine);
    ~DisplayFailureGuard();
    void Dismiss();
    DisplayFailureGuard(const DisplayFailureGuard&) = delete;
    DisplayFailureGuard& operator=(const DisplayFailureGuard&) = delete;

private:
    QtMessageHandler previous_;
    bool active_ = true;
};

} // namespace tp::app
