// SPDX-License-Identifier: MIT
#pragma once

#include "game/GameState.h"
#include "game/Journal.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tp::game {

// What the main window shows in its status block and title bar.
struct StatusDisplay {
    std::string_view caption;
    std::string_view name;
    std::int32_t cash = 0;
    std::int32_t debt = 0;
    std::int32_t health = 0;
    std::int32_t deposit = 0;
};

// The only way the rules reach the windows. The windows implement it; tests implement it with
// a recording fake. Calls that show something modally return when the player has closed it, or
// at once when the run is already ending.
class GameView {
public:
    virtual ~GameView() = default;

    // A modal notice with no icon, titled with the application's title.
    virtual void Tell(std::string_view text) = 0;
    // A modal notice with the information icon; an empty caption means an empty title bar.
    virtual void Inform(std::string_view text, std::string_view caption) = 0;
    // Asks for a line of text; cancelling returns the default text.
    virtual std::string AskText(std::string_view caption, std::string_view prompt,
                                std::string_view defaultText) = 0;
    // Shows the diary window with these lines until the player closes it.
    virtual void ShowDiary(std::span<const std::string> lines) = 0;
    // Ends the run once control is back in the main event loop; the caller runs on.
    virtual void CloseMainWindow() = 0;
    // Today's date as the desktop's short date format writes it.
    virtual std::string CurrentDateText() = 0;
    // A text of the game's, marked with TP_TEXT under `context`, in the player's language: the
    // text itself where it has no translation. The view lives as long as the GameView.
    virtual std::string_view Translated(std::string_view context, std::string_view text) = 0;

    virtual void ShowStatus(const StatusDisplay& status) = 0;
    // The five slots of today's market, in row order.
    virtual void ShowMarket(std::span<const GoodsRecord> market) = 0;
    // Replaces every carried row.
    virtual void ShowCarriedRows(std::span<const CarriedGoods> rows) = 0;
    virtual void AddCarriedRow(const CarriedGoods& row) = 0;
    virtual void UpdateCarriedRow(int index, const CarriedGoods& row) = 0;
    // Removes a row; afterwards no row is selected.
    virtual void RemoveCarriedRow(int index) = 0;
    // The run's journal has changed: it has grown by an entry, or it is another run's.
    virtual void ShowJournal(std::span<const JournalEntry> journal) = 0;
};

} // namespace tp::game
