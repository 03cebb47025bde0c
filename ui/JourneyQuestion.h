// SPDX-License-Identifier: MIT
#pragma once

#include "ui/toolkit/Dialog.h"

class QLabel;

namespace tp::game {
struct GameState;
}

namespace tp::ui {

class EndOfRun;

// The question a start asks when it finds a journey saved: go on with it (shown by its day, cash
// and debt) or start a new one. Going on is what Enter, Esc and the close box do, since nothing is
// lost that way; only the button that says so starts anew.
class JourneyQuestion : public Dialog {
    Q_OBJECT
public:
    enum class Answer { GoOn, StartAnew };

    explicit JourneyQuestion(const game::GameState& saved);

    // Asks until the player answers; goes on at once when the run is already ending.
    static Answer Ask(const game::GameState& saved, EndOfRun& endOfRun);

    // The question as it reads, for the player and for screen readers.
    QString Text() const;

private:
    QLabel* question_;
};

} // namespace tp::ui
