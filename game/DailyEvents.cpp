#include "game/DailyEvents.h"
#include "game/Game.h"
#include "game/Saturate.h"

#include <algorithm>

namespace tp::game {

void Game::ApplyDailyEvent(int k) {
    const DailyEvent& event = DailyEvents[static_cast<std::size_t>(k)];
    std::string heading = view_.CurrentDateText();
    heading += event.weather;
    diary_.push_back(std::move(heading));
    diary_.emplace_back();
    diary_.emplace_back(event.diary);

    ApplyEffect(k);

    switch (event.market) {
    case MarketAction::New:
        GenerateMarket(0);
        break;
    case MarketAction::Forced:
        GenerateMarket(event.forcedGood);
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
        state_.Health = static_cast<std::int8_t>(state_.Health - n);
        break;
    case Effect::HealthGain:
        state_.Health = static_cast<std::int8_t>(state_.Health + n > 100 ? 100 : state_.Health + n);
        break;
    case Effect::HealthFull:
        state_.Health = 100;
        break;
    case Effect::MoneyGain:
        state_.Money = SaturatingAdd(state_.Money, n);
        break;
    case Effect::MoneyLoss:
        state_.Money = Clamp32(std::max<std::int64_t>(0, std::int64_t{state_.Money} - n));
        break;
    case Effect::MoneyQuarter: {
        const std::int32_t quarter = state_.Money / 4;
        state_.Money = Clamp32(std::max<std::int64_t>(0, std::int64_t{state_.Money} - quarter));
        break;
    }
    case Effect::FundGain:
        state_.Fund = SaturatingAdd(state_.Fund, n);
        break;
    case Effect::DebtDoubled:
        state_.Arrearage = Clamp32(Product(state_.Arrearage, 2));
        break;
    case Effect::DayLost:
        state_.Day = static_cast<std::int8_t>(state_.Day + 1);
        break;
    }
}

} // namespace tp::game
