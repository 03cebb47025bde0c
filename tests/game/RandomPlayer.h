// SPDX-License-Identifier: MIT
#pragma once

#include "tests/game/FakeView.h"

#include <optional>
#include <random>

namespace tp::game::testing {

// Plays the way a restless player would: travels, trades, uses the services and renames, each
// with amounts the dialogs allow, sometimes cancelling. Its choices come from a generator of its
// own, so a copy of a player goes on choosing as the original would.
class RandomPlayer {
public:
    explicit RandomPlayer(std::uint32_t seed) : choose_(seed) {}

    // One action on `game`, whose view `view` answers the rename box.
    void Act(Game& game, FakeView& view) {
        storageAnswer_.reset();
        switch (Pick(10)) {
        case 0:
        case 1:
        case 2:
            game.Travel(game.State().day % 10);
            break;
        case 3:
            if (const auto offer = game.OpenBuy(Pick(6) - 1)) {
                Confirm(*offer, [&](std::int32_t q) { game.ConfirmBuy(*offer, q); });
            }
            break;
        case 4: {
            const int rows = static_cast<int>(game.State().carried.size());
            if (const auto offer = game.OpenSell(Pick(rows + 1) - 1)) {
                Confirm(*offer, [&](std::int32_t q) { game.ConfirmSell(*offer, q); });
            }
            break;
        }
        case 5: {
            const BankOffer offer =
                game.OpenBank(Pick(2) == 0 ? BankMode::Withdraw : BankMode::Deposit);
            Confirm(offer, [&](std::int32_t a) { game.ConfirmBank(offer, a); });
            break;
        }
        case 6: {
            const TreatmentOffer offer = game.OpenHospital();
            Confirm(offer, [&](std::int32_t p) { game.ConfirmTreatment(offer, p); });
            break;
        }
        case 7: {
            const RepaymentOffer offer = game.OpenInternetCafe();
            Confirm(offer, [&](std::int32_t r) { game.ConfirmRepayment(offer, r); });
            break;
        }
        case 8: {
            const StorageOffer offer = game.OpenAgency();
            if (offer.confirmEnabled && Pick(2) == 0) {
                storageAnswer_ = game.ConfirmStorage(offer);
            }
            break;
        }
        default:
            view.inputAnswers.push_back(Pick(2) == 0 ? "阿福" : "");
            game.Rename();
            break;
        }
    }

    // When the last action bought storage: what the agency said of whether it still has some.
    std::optional<bool> StorageAnswer() const { return storageAnswer_; }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(choose_); }

    template <typename Apply> void Confirm(const QuantityOffer& offer, Apply apply) {
        // Sometimes the player cancels; otherwise any amount the spin control allows.
        if (Pick(4) == 0 || !offer.confirmEnabled) {
            return;
        }
        const auto q = Pick(3) == 0
                           ? offer.maximum
                           : std::uniform_int_distribution<std::int32_t>(0, offer.maximum)(choose_);
        apply(q);
    }

    std::mt19937 choose_;
    std::optional<bool> storageAnswer_;
};

} // namespace tp::game::testing
