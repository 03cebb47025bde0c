// SPDX-License-Identifier: MIT
#include "game/DailyEvents.h"
#include "game/Game.h"
#include "game/Saturate.h"

#include <algorithm>

namespace tp::game {

void Game::ApplyDailyEvent(int k) {
    const DailyEvent& event = DailyEvents[static_cast<std::size_t>(k)];
    std::string heading = view_.CurrentDateText();
    heading += view_.Translated("Diary", event.weather);
    diary_.push_back(std::move(heading));
    diary_.emplace_back();
    diary_.emplace_back(view_.Translated("Diary", event.diary));

    ApplyEffect(k);

    switch (event.market) {
    case MarketAction::New:
        DrawMarket(0);
        break;
    case MarketAction::Forced:
        DrawMarket(event.forcedGood);
        break;
    case MarketAction::Keep:
        break;
    }
}

void Game::ApplyEffect(int k) {
    const DailyEvent& event = DailyEvents[static_cast<std::size_t>(k)];
    const std::int32_t n = event.amount;
    switch (event.effect) {
    case Effect::None:
        break;
    case Effect::HealthLoss:
        state_.health = static_cast<std::int8_t>(state_.health - n);
        break;
    case Effect::HealthGain:
        state_.health = static_cast<std::int8_t>(state_.health + n > 100 ? 100 : state_.health + n);
        break;
    case Effect::HealthFull:
        state_.health = 100;
        break;
    case Effect::MoneyGain:
        state_.cash = SaturatingAdd(state_.cash, n);
        break;
    case Effect::MoneyLoss:
        state_.cash = Clamp32(std::max<std::int64_t>(0, std::int64_t{state_.cash} - n));
        break;
    case Effect::MoneyQuarter: {
        const std::int32_t quarter = state_.cash / 4;
        state_.cash = Clamp32(std::max<std::int64_t>(0, std::int64_t{state_.cash} - quarter));
        break;
    }
    case Effect::FundGain:
        state_.deposit = SaturatingAdd(state_.deposit, n);
        break;
    case Effect::DebtDoubled:
        state_.debt = Clamp32(Product(state_.debt, 2));
        break;
    case Effect::DayLost:
        state_.day = static_cast<std::int8_t>(state_.day + 1);
        break;
    }
}

} // namespace tp::game
