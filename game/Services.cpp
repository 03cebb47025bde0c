#include "game/Game.h"
#include "game/Saturate.h"

#include <algorithm>

namespace tp::game {

namespace {

constexpr std::string_view BankDepositCaption = "银行存款";
constexpr std::string_view BankWithdrawCaption = "银行取款";
constexpr std::string_view HospitalCaption = "定期检查";
constexpr std::string_view FullHealthText = "你到挂号处挂号，小护士看你精神的很，往隔壁指了指说："
                                            "\"同志！您走错了！精神科在隔壁挂号！\"";
constexpr std::string_view TreatmentText =
    "几位医师会诊，分析你的病情，决定用世界领先技术来对你身体做整体治疗，但是因为技术特殊，治疗每"
    "一点需要100元。\"";
constexpr std::int32_t PricePerHealthPoint = 100;
constexpr std::int32_t StoragePrice = 10000;
constexpr std::int32_t StorageUnits = 100;

} // namespace

DialogSetup Game::OpenBank() {
    return BankDepositMode();
}

DialogSetup Game::BankDepositMode() {
    bankDeposit_ = true;
    const std::int32_t maximum = PrepareMaximum(state_.Money);
    return DialogSetup{BankDepositCaption, {}, maximum, maximum, true};
}

DialogSetup Game::BankWithdrawMode() {
    bankDeposit_ = false;
    const std::int32_t maximum = PrepareMaximum(state_.Fund);
    return DialogSetup{BankWithdrawCaption, {}, maximum, maximum, true};
}

void Game::ConfirmBank(std::int32_t amount) {
    const std::int32_t a = std::clamp(amount, 0, dialogMaximum_);
    if (bankDeposit_) {
        state_.Money = SaturatingAdd(state_.Money, -std::int64_t{a});
        state_.Fund = SaturatingAdd(state_.Fund, a);
    } else {
        state_.Money = SaturatingAdd(state_.Money, a);
        state_.Fund = SaturatingAdd(state_.Fund, -std::int64_t{a});
    }
    RefreshStatus();
}

DialogSetup Game::OpenHospital() {
    if (state_.Health == 100) {
        PrepareMaximum(0);
        return DialogSetup{HospitalCaption, FullHealthText, 0, 0, false};
    }
    const std::int32_t maximum = PrepareMaximum(
        std::min<std::int32_t>(100 - state_.Health, state_.Money / PricePerHealthPoint));
    return DialogSetup{HospitalCaption, TreatmentText, maximum, maximum, true};
}

void Game::ConfirmTreatment(std::int32_t points) {
    const std::int32_t p = std::clamp(points, 0, dialogMaximum_);
    state_.Money = SaturatingAdd(state_.Money, -Product(PricePerHealthPoint, p));
    state_.Health = static_cast<std::int8_t>(state_.Health + p);
    RefreshStatus();
}

DialogSetup Game::OpenInternetCafe() {
    const std::int32_t maximum =
        PrepareMaximum(state_.Money > state_.Arrearage ? state_.Arrearage : state_.Money);
    return DialogSetup{"网吧", {}, maximum, maximum, true};
}

void Game::ConfirmRepayment(std::int32_t amount) {
    const std::int32_t r = std::clamp(amount, 0, dialogMaximum_);
    state_.Money = SaturatingAdd(state_.Money, -std::int64_t{r});
    state_.Arrearage = SaturatingAdd(state_.Arrearage, -std::int64_t{r});
    RefreshStatus();
}

DialogSetup Game::OpenAgency() {
    return DialogSetup{"中介", {}, 0, 0, !storageBought_};
}

void Game::ConfirmStorage() {
    if (storageBought_) {
        return;
    }
    if (state_.Money < StoragePrice) {
        view_.ShowMessage("哦！您的钱不够!欢迎再次光临!");
        return;
    }
    state_.Money -= StoragePrice;
    state_.Space = SaturatingAdd(state_.Space, StorageUnits);
    storageBought_ = true;
    RefreshStatus();
}

} // namespace tp::game
