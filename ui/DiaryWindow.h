// SPDX-License-Identifier: MIT
#pragma once

#include "ui/toolkit/Dialog.h"

#include <QStringList>

class QPlainTextEdit;

namespace tp::ui {

class EndOfRun;

// The diary: the day's event, shown after a journey that brought one.
class DiaryWindow : public Dialog {
    Q_OBJECT
public:
    DiaryWindow(QWidget* owner, EndOfRun& endOfRun);

    // Shows the day's entry modally until the player closes the diary.
    void ShowEntry(const QStringList& lines);

private:
    EndOfRun& endOfRun_;
    QPlainTextEdit* entryText_ = nullptr;
};

} // namespace tp::ui
