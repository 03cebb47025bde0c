// SPDX-License-Identifier: MIT
#include "game/Game.h"
#include "game/Saturate.h"

#include <algorithm>
#include <utility>

namespace tp::game {

namespace {

constexpr std::string_view BankDepositCaption = TP_TEXT("Game", "银行存款");
constexpr std::string_view BankWithdrawCaption = TP_TEXT("Game", "银行取款");
constexpr std::string_view HospitalCaption = TP_TEXT("Game", "定期检查");
constexpr std::string_view FullHealthText =
    TP_TEXT("Game", "你到挂号处挂号，小护士看你精神的很，往隔壁指了指说："
                    "\"同志！您走错了！精神科在隔壁挂号！\"");
constexpr std::string_view TreatmentText =
    TP_TEXT("Game", "几位医师会诊，分析你的病情，决定用世界领先技术来对你身体做整体治疗，但是因为"
                    "技术特殊，治疗每一点需要100元。\"");
constexpr std::int32_t PricePerHealthPoint = 100;
constexpr std::int32_t StoragePrice = 10000;
constexpr std::int32_t StorageUnits = 100;

// An offer whose spin control starts at its maximum, as every service's does.
template <typename Offer>
Offer OfferUpTo(std::string_view caption, std::string_view text, std::int32_t maximum,
                bool confirmEnabled = true) {
    Offer offer;
    offer.caption.Assign(caption);
    offer.text = text;
    offer.maximum = std::max(0, maximum);
    offer.position = offer.maximum;
    offer.confirmEnabled = confirmEnabled;
    return offer;
}

// A confirmed amount never passes what the offer allowed, nor what the game allows now.
std::int32_t Held(std::int32_t amount, const QuantityOffer& offer, std::int32_t allowedNow) {
    return std::clamp(amount, 0, std::max(0, std::min(offer.maximum, allowedNow)));
}

} // namespace

BankOffer Game::OpenBank(BankMode mode) {
    const bool deposit = mode == BankMode::Deposit;
    auto offer = OfferUpTo<BankOffer>(Say(deposit ? BankDepositCaption : BankWithdrawCaption), {},
                                      deposit ? state_.cash : state_.deposit);
    offer.mode = mode;
    return offer;
}

void Game::ConfirmBank(const BankOffer& offer, std::int32_t amount) {
    Before before = Remember();
    const bool deposit = offer.mode == BankMode::Deposit;
    const std::int32_t a = Held(amount, offer, deposit ? state_.cash : state_.deposit);
    state_.cash = SaturatingAdd(state_.cash, deposit ? -std::int64_t{a} : a);
    state_.deposit = SaturatingAdd(state_.deposit, deposit ? a : -std::int64_t{a});
    RefreshStatus();
    Undoable(
        std::move(before),
        ActionEntry(deposit ? JournalEntry::Kind::Deposit : JournalEntry::Kind::Withdrawal, a));
    keeper_.JourneyMoved(*this);
}

TreatmentOffer Game::OpenHospital() {
    if (state_.health == 100) {
        return OfferUpTo<TreatmentOffer>(Say(HospitalCaption), Say(FullHealthText), 0, false);
    }
    return OfferUpTo<TreatmentOffer>(Say(HospitalCaption), Say(TreatmentText), TreatmentAllowed());
}

void Game::ConfirmTreatment(const TreatmentOffer& offer, std::int32_t points) {
    Before before = Remember();
    const std::int32_t p = Held(points, offer, TreatmentAllowed());
    state_.cash = SaturatingAdd(state_.cash, -Product(PricePerHealthPoint, p));
    state_.health = static_cast<std::int8_t>(state_.health + p);
    RefreshStatus();
    Undoable(std::move(before), ActionEntry(JournalEntry::Kind::Treatment, p));
    keeper_.JourneyMoved(*this);
}

std::int32_t Game::TreatmentAllowed() const {
    return std::min<std::int32_t>(100 - state_.health, state_.cash / PricePerHealthPoint);
}

RepaymentOffer Game::OpenInternetCafe() {
    return OfferUpTo<RepaymentOffer>(Say(TP_TEXT("Game", "网吧")), {}, RepaymentAllowed());
}

void Game::ConfirmRepayment(const RepaymentOffer& offer, std::int32_t amount) {
    Before before = Remember();
    const std::int32_t r = Held(amount, offer, RepaymentAllowed());
    state_.cash = SaturatingAdd(state_.cash, -std::int64_t{r});
    state_.debt = SaturatingAdd(state_.debt, -std::int64_t{r});
    RefreshStatus();
    Undoable(std::move(before), ActionEntry(JournalEntry::Kind::Repayment, r));
    keeper_.JourneyMoved(*this);
}

std::int32_t Game::RepaymentAllowed() const {
    return state_.cash > state_.debt ? state_.debt : state_.cash;
}

StorageOffer Game::OpenAgency() {
    return OfferUpTo<StorageOffer>(Say(TP_TEXT("Game", "中介")), {}, 0, !state_.storageBought);
}

bool Game::ConfirmStorage(const StorageOffer& /*offer*/) {
    Before before = Remember();
    if (state_.storageBought) {
        return false;
    }
    if (state_.cash < StoragePrice) {
        view_.Tell(Say(TP_TEXT("Game", "哦！您的钱不够!欢迎再次光临!")));
        return true;
    }
    state_.cash -= StoragePrice;
    state_.storage = SaturatingAdd(state_.storage, StorageUnits);
    state_.storageBought = true;
    RefreshStatus();
    Undoable(std::move(before), ActionEntry(JournalEntry::Kind::Storage, StorageUnits));
    keeper_.JourneyMoved(*this);
    return false;
}

} // namespace tp::game
