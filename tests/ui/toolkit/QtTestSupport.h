// SPDX-License-Identifier: MIT
#pragma once

// Helpers for tests that drive real widgets on the offscreen platform.

#include <QLocale>
#include <QWidget>

#include <functional>

namespace tp::test {

// Switches the default locale (what new widgets and QLocale() use) for one scope.
class ScopedLocale {
public:
    explicit ScopedLocale(const QLocale& locale) : previous_(QLocale()) {
        QLocale::setDefault(locale);
    }
    ~ScopedLocale() { QLocale::setDefault(previous_); }
    ScopedLocale(const ScopedLocale&) = delete;
    ScopedLocale& operator=(const ScopedLocale&) = delete;

private:
    QLocale previous_;
};

// Runs `action` on the next modal window that opens (one that is not the active modal
// window at the time of the call), once it is shown. Call it before the call that opens the
// window modally. If none opens within `timeoutMs`, the test fails and whatever modal
// window is open then is closed, so the test cannot hang.
void OnNextModal(std::function<void(QWidget& modal)> action, int timeoutMs = 5000);

// Processes events until `done` holds or `timeoutMs` passes; returns whether it held.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 2000);

} // namespace tp::test
