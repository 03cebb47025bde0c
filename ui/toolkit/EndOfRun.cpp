#include "ui/toolkit/EndOfRun.h"

#include <QCoreApplication>

namespace tp::ui {

namespace {
bool endRequested = false;
} // namespace

EndOfRunNotifier& EndOfRunNotifier::Instance() {
    static EndOfRunNotifier notifier;
    return notifier;
}

void RequestEndOfRun() {
    const bool first = !endRequested;
    endRequested = true;
    if (first) {
        emit EndOfRunNotifier::Instance().requested();
    }
    QCoreApplication::quit();
}

bool EndOfRunRequested() {
    return endRequested;
}

void ResetEndOfRunForTests() {
    endRequested = false;
}

} // namespace tp::ui
