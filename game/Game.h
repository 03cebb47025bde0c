#pragma once

#include "game/GameState.h"
#include "game/GameView.h"
#include "runtime/Random.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tp::game {

// How a quantity dialog (the trade dialog or a service panel) is prepared before it is shown:
// the window caption, its one text (the trade label or the doctor's words), the spin control's
// range 0..maximum with its starting position, and whether the confirm button is enabled.
struct DialogSetup {
    std::string_view caption;
    std::string_view text;
    std::int32_t maximum = 0;
    std::int32_t position = 0;
    bool confirmEnabled = true;
};

// One game from start to end. Every rule lives here; the windows call these routines from
// their handlers and show what the game tells them through GameView.
class Game {
public:
    explicit Game(GameView& view) : view_(view) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Start of a game: seeds from the clock, or from a given state to replay a game.
    void FormCreate();
    void FormCreate(std::uint32_t seed);

    // The market of a stop; `forced` (1..15, 0 for none) goes into slot 1 at a surcharge.
    void GenerateMarket(std::int8_t forced);
    // One journey to any of the ten places: one day, interest, health, perhaps an event.
    void Travel();
    // Writes the diary entry of event k (0..30), applies its effect and market action.
    void ApplyDailyEvent(int k);
    // Debt step, the two endings, then the status labels and caption.
    void RefreshStatus();
    // The player clicked the name: only the name label changes.
    void Rename();

    // Trading. The open routines take the selected row (-1 for none) and return the dialog to
    // show, or nothing after a refusal message.
    std::optional<DialogSetup> OpenBuy(int marketRow);
    std::optional<DialogSetup> OpenSell(int carriedRow);
    void ConfirmTrade(std::int32_t quantity);

    // Services.
    DialogSetup OpenBank();
    DialogSetup BankDepositMode();
    DialogSetup BankWithdrawMode();
    void ConfirmBank(std::int32_t amount);
    DialogSetup OpenHospital();
    void ConfirmTreatment(std::int32_t points);
    DialogSetup OpenInternetCafe();
    void ConfirmRepayment(std::int32_t amount);
    DialogSetup OpenAgency();
    void ConfirmStorage();

    const GameState& State() const { return state_; }
    GameState& MutableState() { return state_; } // for tests and the soak harness
    const std::vector<CarriedGoods>& Carried() const { return carried_; }
    std::string_view NameLabel() const { return nameLabel_; }
    std::string_view Caption() const { return caption_; }
    const std::vector<std::string>& Diary() const { return diary_; }
    bool BankInDepositMode() const { return bankDeposit_; }
    bool StorageBought() const { return storageBought_; }
    runtime::Random& Generator() { return random_; }

private:
    void StartGame();
    void ShowStatus();
    void WriteCaption();
    void ApplyEffect(int k);
    std::int32_t PrepareMaximum(std::int32_t maximum);

    GameView& view_;
    runtime::Random random_;
    GameState state_;
    std::vector<CarriedGoods> carried_;
    std::vector<std::string> diary_;
    // The name label's text: the stored name after a refresh, a typed one after renaming.
    std::string nameLabel_;
    std::string caption_;

    // What the open dialog was prepared with, for its confirm handler.
    int tradeMarketSlot_ = 0;
    int tradeCarriedRow_ = -1;
    std::int32_t dialogMaximum_ = 0;
    bool bankDeposit_ = true;
    bool storageBought_ = false;
};

} // namespace tp::game
