// SPDX-License-Identifier: MIT
#include "planner/NullView.h"
#include "planner/Plan.h"

#include "game/Game.h"
#include "runtime/Random.h"

namespace tp::planner {

namespace {

// Confirms `amount` of an offer the game made, refusing more than it offers.
template <typename Offer, typename Confirm>
bool Within(const Offer& offer, std::int32_t amount, Confirm confirm) {
    if (amount < 0 || amount > offer.maximum || !offer.confirmEnabled) {
        return false;
    }
    confirm(offer, amount);
    return true;
}

} // namespace

bool Apply(game::Game& game, const Action& action) {
    using Kind = Action::Kind;
    switch (action.kind) {
    case Kind::Buy: {
        const auto offer = game.OpenBuy(action.row);
        return offer && Within(*offer, action.amount,
                               [&](const auto& o, std::int32_t q) { game.ConfirmBuy(o, q); });
    }
    case Kind::Sell: {
        const auto offer = game.OpenSell(action.row);
        return offer && Within(*offer, action.amount,
                               [&](const auto& o, std::int32_t q) { game.ConfirmSell(o, q); });
    }
    case Kind::Deposit:
    case Kind::Withdraw:
        return Within(game.OpenBank(action.kind == Kind::Deposit ? game::BankMode::Deposit
                                                                 : game::BankMode::Withdraw),
                      action.amount,
                      [&](const auto& o, std::int32_t a) { game.ConfirmBank(o, a); });
    case Kind::Repay:
        return Within(game.OpenInternetCafe(), action.amount,
                      [&](const auto& o, std::int32_t a) { game.ConfirmRepayment(o, a); });
    case Kind::Hospital:
        return Within(game.OpenHospital(), action.amount,
                      [&](const auto& o, std::int32_t p) { game.ConfirmTreatment(o, p); });
    case Kind::Storage: {
        const game::StorageOffer offer = game.OpenAgency();
        // The agency sells only while it has storage and the cash pays for it.
        const std::int32_t cash = game.State().cash;
        return offer.confirmEnabled && cash >= 10000 && !game.ConfirmStorage(offer);
    }
    case Kind::Travel:
        game.Travel(0);
        return true;
    }
    return false;
}

Played Play(std::uint32_t seed, const Plan& plan) {
    NullView view;
    runtime::Random random;
    game::Game game(view, random);
    game.Start(seed);
    Played played;
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (game::RunIsOver(game.State())) {
            played.failure = "action " + std::to_string(i) + " after the end of the run";
            return played;
        }
        if (!Apply(game, plan[i])) {
            played.failure = "action " + std::to_string(i) + " is not one the game offers";
            return played;
        }
    }
    if (!game.Finished()) {
        played.failure = game.State().health <= 0 ? "the peddler died" : "the run did not end";
        return played;
    }
    played.valid = true;
    played.amount = game.Finished()->amount;
    played.dailyWorth = game.Finished()->dailyWorth;
    played.journal = game.Journal();
    return played;
}

} // namespace tp::planner
