// SPDX-License-Identifier: MIT
#include "app/DisplayFailureGuard.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

namespace tp::app {

namespace {

// Said when Qt fails; kept for the handler, which has no other way to be given it.
QByteArray noDisplay;

void HandleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        // Qt has found no platform it can start; what it would say next is abort().
        std::fputs(noDisplay.constData(), stderr);
        std::_Exit(1);
    }
    const QString line = qFormatLogMessage(type, context, message);
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

} // namespace

DisplayFailureGuard::DisplayFailureGuard(const QByteArray& noDisplayLine)
    : previous_((noDisplay = noDisplayLine, qInstallMessageHandler(HandleMessage))) {}

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
