// SPDX-License-Identifier: MIT
#include "app/DisplayFailureGuard.h"

#include "app/DisplayCheck.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

namespace tp::app {

namespace {

void HandleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        // Qt has found no platform it can start; what it would say next is abort().
        std::fputs(kNoDisplayLine, stderr);
        std::_Exit(1);
    }
    const QString line = qFormatLogMessage(type, context, message);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

} // namespace

DisplayFailureGuard::DisplayFailureGuard() : previous_(qInstallMessageHandler(HandleMessage)) {}

DisplayFailureGuard::~DisplayFailureGuard() {
    Dismiss();
}

void DisplayFailureGuard::Dismiss() {
    if (active_) {
        qInstallMessageHandler(previous_);
        active_ = false;
    }
}

} // namespace tp::app
