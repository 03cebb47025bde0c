// SPDX-License-Identifier: MIT
#pragma once

#include "ui/toolkit/GameDialog.h"

#include <span>
#include <string>

namespace tp::ui {

class EndOfRun;
class KindButton;
class Memo;

// The diary: the day's event, shown after a journey that brought one.
class DiaryWindow : public GameDialog {
    Q_OBJECT
public:
    DiaryWindow(QWidget* owner, EndOfRun& endOfRun);

    // Shows the day's entry modally until the player closes the diary.
    void ShowEntry(std::span<const std::string> lines);

    // Replaces the diary's lines with the day's entry.
    void Write(std::span<const std::string> lines);

    QWidget* townPicture;
    KindButton* closeButton;
    Memo* entryText;

private:
    EndOfRun& endOfRun_;
};

} // namespace tp::ui
