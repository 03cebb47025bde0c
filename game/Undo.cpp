// SPDX-License-Identifier: MIT
#include "game/Game.h"

#include <utility>

namespace tp::game {

void Game::Undoable(Before before) {
    // A confirmation that changed nothing (a stale offer, nothing bought) leaves nothing to undo.
    if (!(before.state == state_)) {
        undoable_.push_back(std::move(before));
    }
}

bool Game::Undo() {
    if (!CanUndo()) {
        return false;
    }
    Before before = std::move(undoable_.back());
    undoable_.pop_back();
    state_ = std::move(before.state);
    nameLabel_ = std::move(before.nameLabel);
    // Shown as it was: no refresh rule runs again.
    ShowStatus();
    view_.ShowMarket(std::span<const GoodsRecord>(state_.market).subspan(1));
    view_.ShowCarriedRows(state_.carried);
    keeper_.JourneyMoved(*this);
    return true;
}

} // namespace tp::game
