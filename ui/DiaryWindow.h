// SPDX-License-Identifier: MIT
#pragma once

#include "ui/toolkit/GameDialog.h"

#include <QStringList>

namespace tp::ui {

class EndOfRun;
class Memo;

// The diary: the day's event, shown after a journey that brought one.
class DiaryWindow : public GameDialog {
    Q_OBJECT
public:
    DiaryWindow(QWidget* owner, EndOfRun& endOfRun);

    // Shows the day's entry modally until the player closes the diary.
    void ShowEntry(const QStringList& lines);

private:
    EndOfRun& endOfRun_;
    Memo* entryText_ = nullptr;
};

} // namespace tp::ui
