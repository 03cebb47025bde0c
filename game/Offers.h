// SPDX-License-Identifier: MIT
#pragma once

#include "game/Text.h"

#include <cstdint>
#include <string_view>

namespace tp::game {

// What a quantity dialog (the trade dialog or a service panel) shows when it opens: the window
// caption (a trade's is the good's name, which the dialog gives), its one text (the trade label or
// the doctor's words), the spin control's range 0..maximum with its starting position, and whether
// the confirm button is enabled.
//
// Offers hold no heap memory: a caption and a text are fixed texts of the game, in the player's
// language.
struct QuantityOffer {
    ShortString<20> caption;
    std::string_view text;
    std::int32_t maximum = 0;
    std::int32_t position = 0;
    bool confirmEnabled = true;
};

// Each dialog's offer is its own type: the window keeps the offer while its dialog is open and
// hands it back to the matching confirm, which cannot be given another dialog's offer.

struct BuyOffer : QuantityOffer {
    int good = 0;       // its catalogue number: the dialog is captioned with its name
    int marketSlot = 0; // 1..5
};

struct SellOffer : QuantityOffer {
    int good = 0;
    int carriedRow = -1;
    int marketSlot = 0; // the first slot of today's market that deals in the good, 1..5
};

enum class BankMode : std::uint8_t { Deposit, Withdraw };

struct BankOffer : QuantityOffer {
    BankMode mode = BankMode::Deposit;
};

struct TreatmentOffer : QuantityOffer {};

struct RepaymentOffer : QuantityOffer {};

// The agency sells one thing, once: its offer has no quantity.
struct StorageOffer : QuantityOffer {};

} // namespace tp::game
