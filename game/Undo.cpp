// SPDX-License-Identifier: MIT
#include "game/Game.h"

#include <utility>

namespace tp::game {

JournalEntry Game::Figures(JournalEntry entry) const {
    entry.day = state_.day;
    entry.cash = state_.cash;
    entry.deposit = state_.deposit;
    entry.debt = state_.debt;
    return entry;
}

void Game::Note(JournalEntry entry) {
    // Past its bound the journal stops: what it holds stays a journal the game can read back.
    if (journal_.size() < MaxJournalEntries) {
        journal_.push_back(std::move(entry));
        view_.ShowJournal(journal_);
    }
}

void Game::Undoable(Before before, JournalEntry action) {
    // A confirmation that changed nothing (a stale offer, nothing bought) leaves nothing to undo.
    if (before.state == state_) {
        return;
    }
    before.action = Figures(std::move(action));
    Note(before.action);
    undoable_.push_back(std::move(before));
}

bool Game::Undo() {
    if (!CanUndo()) {
        return false;
    }
    Before before = std::move(undoable_.back());
    undoable_.pop_back();
    state_ = std::move(before.state);
    nameLabel_ = std::move(before.nameLabel);
    JournalEntry undo = Figures(std::move(before.action));
    undo.undone = undo.kind;
    undo.kind = JournalEntry::Kind::Undo;
    Note(std::move(undo));
    // Shown as it was: no refresh rule runs again.
    ShowStatus();
    view_.ShowMarket(std::span<const GoodsRecord>(state_.market).subspan(1));
    view_.ShowCarriedRows(state_.carried);
    keeper_.JourneyMoved(*this);
    return true;
}

} // namespace tp::game
