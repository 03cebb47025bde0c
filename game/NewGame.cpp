// SPDX-License-Identifier: MIT
#include "game/Catalogue.h"
#include "game/Game.h"

#include <span>

namespace tp::game {

namespace {

class KeepsNothing final : public JourneyKeeper {
public:
    void JourneyGivenUp(const Game& /*game*/) override {}
    void JourneyBegan(const Game& /*game*/) override {}
    void JourneyMoved(const Game& /*game*/) override {}
};

JourneyKeeper& NoKeeper() {
    static KeepsNothing keeper;
    return keeper;
}

} // namespace

Game::Game(GameView& view, runtime::Random& random) : Game(view, random, NoKeeper()) {}

void Game::Start() {
    random_.SeedRandom();
    // The clock's seed is kept like a chosen one, so any run can be replayed.
    SetUpNewGame(random_.State());
}

void Game::Start(std::uint32_t seed) {
    random_.SeedWith(seed);
    SetUpNewGame(seed);
}

void Game::SetUpNewGame(std::uint32_t seed) {
    // Before the first start there is no journey, and an ended run is not given up.
    if (state_.day >= 1 && !RunIsOver(state_)) {
        keeper_.JourneyGivenUp(*this);
    }
    state_ = GameState{};
    undoable_.clear();
    state_.seed = seed;
    state_.dailyWorth.reserve(LastDay + 1);
    finished_.reset();
    diary_.clear();
    state_.storage = 200;
    state_.day = 1;
    state_.playerName.Assign(Say(TP_TEXT("Game", "路人甲")));
    state_.debt = 3000;
    state_.cash = 2000;
    state_.health = 100;
    state_.deposit = 0;
    view_.ShowCarriedRows(state_.carried);
    RefreshStatus();
    for (int i = 1; i <= GoodsCount; ++i) {
        const CatalogueEntry& entry = Catalogue[static_cast<std::size_t>(i - 1)];
        state_.goods[static_cast<std::size_t>(i)] = GoodsRecord{i, entry.basePrice};
    }
    DrawMarket(0);
    journal_.clear();
    NoteArrival(JournalEntry::Kind::Start, 0, JournalEntry::NoEvent);
    keeper_.JourneyBegan(*this);
}

void Game::Resume(const SavedJourney& journey) {
    state_ = journey.state;
    undoable_.clear();
    random_.SeedWith(journey.generator);
    finished_.reset();
    diary_ = journey.diary;
    nameLabel_ = journey.nameLabel;
    journal_ = journey.journal;
    // A journey kept before the journal was begins one here.
    if (journal_.empty()) {
        NoteArrival(JournalEntry::Kind::Resume, 0, JournalEntry::NoEvent);
    }
    view_.ShowJournal(journal_);
    WriteCaption();
    ShowStatus();
    view_.ShowMarket(std::span<const GoodsRecord>(state_.market).subspan(1));
    view_.ShowCarriedRows(state_.carried);
}

SavedJourney Game::Snapshot() const {
    return SavedJourney{state_, random_.State(), nameLabel_, diary_, journal_};
}

} // namespace tp::game
