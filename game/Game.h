// SPDX-License-Identifier: MIT
#pragma once

#include "game/FinishedRun.h"
#include "game/GameState.h"
#include "game/GameView.h"
#include "game/Journal.h"
#include "game/JourneyKeeper.h"
#include "game/Offers.h"
#include "game/SavedJourney.h"
#include "runtime/Random.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tp::game {

// One game from start to end. Every rule lives here; the windows call these routines from
// their handlers and show what the game tells them through GameView; the keeper hears when
// the journey has moved on. The generator is the caller's: whoever owns the game decides where
// its sequence stands.
class Game {
public:
    Game(GameView& view, runtime::Random& random, JourneyKeeper& keeper)
        : view_(view), random_(random), keeper_(keeper) {}
    // A game whose journey is kept nowhere.
    Game(GameView& view, runtime::Random& random);
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // A new game, seeded from the clock or from a given seed to replay a game.
    void Start();
    void Start(std::uint32_t seed);
    // Goes on from a saved journey, generator included, shown as it stands: no refresh rule
    // runs.
    void Resume(const SavedJourney& journey);
    // The journey as it stands, to be resumed later.
    SavedJourney Snapshot() const;

    // One journey to any of the ten places (0..9, in the journal's order): one day, interest,
    // health, perhaps an event. Which place changes nothing but the journal.
    void Travel(int place);
    // The player clicked the name: only the name label changes.
    void Rename();

    // Trading. The open routines take the selected row (-1 for none) and return what the
    // dialog offers, or nothing after a refusal message.
    std::optional<BuyOffer> OpenBuy(int marketRow);
    std::optional<SellOffer> OpenSell(int carriedRow);
    void ConfirmBuy(const BuyOffer& offer, std::int32_t quantity);
    void ConfirmSell(const SellOffer& offer, std::int32_t quantity);

    // Services.
    BankOffer OpenBank(BankMode mode = BankMode::Deposit);
    void ConfirmBank(const BankOffer& offer, std::int32_t amount);
    TreatmentOffer OpenHospital();
    void ConfirmTreatment(const TreatmentOffer& offer, std::int32_t points);
    RepaymentOffer OpenInternetCafe();
    void ConfirmRepayment(const RepaymentOffer& offer, std::int32_t amount);
    StorageOffer OpenAgency();
    // Returns whether the agency still has storage to sell afterwards.
    bool ConfirmStorage(const StorageOffer& offer);

    // Takes back the last confirmed trade or service, then the one before, back to the arrival
    // at the stop (or to the last renaming): everything is as it was before it. Trades and
    // services never draw from the generator, so the rest of the run stays as it would have been.
    // False, changing nothing, when nothing can be taken back.
    bool Undo();
    bool CanUndo() const { return !undoable_.empty() && !RunIsOver(state_); }

    const GameState& State() const { return state_; }
    std::string_view NameLabel() const { return nameLabel_; }
    std::string_view Caption() const { return caption_; }
    const std::vector<std::string>& Diary() const { return diary_; }
    // What happened in this run, the latest last.
    const std::vector<JournalEntry>& Journal() const { return journal_; }
    // The run once it has ended by going home after the last day; nothing before, nor after a
    // death.
    const std::optional<FinishedRun>& Finished() const { return finished_; }

private:
    // The market of a stop; `forced` (1..15, 0 for none) goes into slot 1 at a surcharge.
    void DrawMarket(std::int8_t forced);
    // Writes the diary entry of event k (0..30), applies its effect and market action.
    void ApplyDailyEvent(int k);
    // Debt step, the two endings, then the status labels and caption.
    void RefreshStatus();
    void SetUpNewGame(std::uint32_t seed);
    void RecordDaysGoneBy();
    void RecordFinishedRun(std::int32_t amount);
    void ShowStatus();
    void WriteCaption();
    void ApplyEffect(int k);
    // One of the game's texts (context "Game") in the player's language.
    std::string_view Say(std::string_view text) const;
    std::int32_t TreatmentAllowed() const;
    std::int32_t RepaymentAllowed() const;

    // The game as it was before one confirmed action, and the action as the journal has it.
    struct Before {
        GameState state;
        std::string nameLabel; // a refresh after the action puts the stored name back
        JournalEntry action;
    };
    // Remembers the game as it is; kept for undoing if the action then changes it.
    Before Remember() const { return {state_, nameLabel_, {}}; }
    // The action has run: if it changed the game, it is journaled and can be undone.
    void Undoable(Before before, JournalEntry action);
    void Note(JournalEntry entry);
    // The journey's entry and the market met at its end.
    void NoteArrival(JournalEntry::Kind kind, int place, int event);
    // An action's or an ending's entry, with the figures as they now stand.
    JournalEntry Figures(JournalEntry entry) const;

    GameView& view_;
    runtime::Random& random_;
    JourneyKeeper& keeper_;
    GameState state_;
    std::vector<std::string> diary_;
    // The name label's text: the stored name after a refresh, a typed one after renaming.
    std::string nameLabel_;
    std::string caption_;
    std::optional<FinishedRun> finished_;
    std::vector<Before> undoable_; // this stop's confirmed actions, the last one last
    std::vector<JournalEntry> journal_;
};

} // namespace tp::game
