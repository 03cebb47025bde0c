// SPDX-License-Identifier: MIT
#include "FakeView.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace tp::game {
namespace {

using testing::Fixture;

// Each service panel hands back its own offer; another panel's offer does not fit.
static_assert(std::is_invocable_v<decltype(&Game::ConfirmTreatment), Game&, const TreatmentOffer&,
                                  std::int32_t>);
static_assert(
    !std::is_invocable_v<decltype(&Game::ConfirmTreatment), Game&, const BankOffer&, std::int32_t>);
static_assert(
    !std::is_invocable_v<decltype(&Game::ConfirmBank), Game&, const RepaymentOffer&, std::int32_t>);
static_assert(!std::is_invocable_v<decltype(&Game::ConfirmRepayment), Game&, const TreatmentOffer&,
                                   std::int32_t>);

TEST(Bank, FirstVisitOffersAllTheCashForDeposit) {
    Fixture f;
    const BankOffer offer = f.game.OpenBank();
    EXPECT_EQ(offer.mode, BankMode::Deposit);
    EXPECT_EQ(offer.caption.View(), "银行存款");
    EXPECT_EQ(offer.maximum, 2000);
    EXPECT_EQ(offer.position, 2000);
    f.game.ConfirmBank(offer, offer.position);
    EXPECT_EQ(f.game.State().cash, 0);
    EXPECT_EQ(f.game.State().deposit, 2000);
    EXPECT_EQ(f.view.deposit, 2000);
}

TEST(Bank, WithdrawingWithAnEmptyAccountOffersNothingButStillRefreshes) {
    Fixture f;
    const BankOffer offer = f.game.OpenBank(BankMode::Withdraw);
    EXPECT_EQ(offer.mode, BankMode::Withdraw);
    EXPECT_EQ(offer.caption.View(), "银行取款");
    EXPECT_EQ(offer.maximum, 0);
    const int shows = f.view.statusShows;
    f.game.ConfirmBank(offer, 0);
    EXPECT_EQ(f.game.State().cash, 2000);
    EXPECT_EQ(f.game.State().deposit, 0);
    EXPECT_EQ(f.view.statusShows, shows + 1);
}

TEST(Bank, WithdrawsAndReopensInDepositMode) {
    Fixture f;
    f.Edit([](GameState& s) { s.deposit = 5000; });
    const BankOffer withdraw = f.game.OpenBank(BankMode::Withdraw);
    EXPECT_EQ(withdraw.maximum, 5000);
    EXPECT_EQ(withdraw.mode, BankMode::Withdraw);
    f.game.ConfirmBank(withdraw, 1234);
    EXPECT_EQ(f.game.State().cash, 3234);
    EXPECT_EQ(f.game.State().deposit, 3766);

    const BankOffer again = f.game.OpenBank();
    EXPECT_EQ(again.mode, BankMode::Deposit);
    EXPECT_EQ(again.caption.View(), "银行存款");
    EXPECT_EQ(again.position, 3234);
}

TEST(Bank, LargeAmountsMoveWholeAndSaturateAtTheTop) {
    Fixture f;
    f.Edit([](GameState& s) { s.cash = 32768; });
    const BankOffer offer = f.game.OpenBank();
    EXPECT_EQ(offer.maximum, 32768);
    f.game.ConfirmBank(offer, 32768);
    EXPECT_EQ(f.game.State().deposit, 32768);

    Fixture g;
    g.Edit([](GameState& s) {
        s.cash = 2000000000;
        s.deposit = 2000000000;
    });
    g.game.ConfirmBank(g.game.OpenBank(), 2000000000);
    EXPECT_EQ(g.game.State().cash, 0);
    EXPECT_EQ(g.game.State().deposit, 2147483647);
}

TEST(Bank, AmountsBeyondTheOfferAreHeldToIt) {
    Fixture f;
    f.game.ConfirmBank(f.game.OpenBank(), 999999);
    EXPECT_EQ(f.game.State().cash, 0);
    EXPECT_EQ(f.game.State().deposit, 2000);
    f.game.ConfirmBank(f.game.OpenBank(BankMode::Withdraw), -5);
    EXPECT_EQ(f.game.State().cash, 0);
    EXPECT_EQ(f.game.State().deposit, 2000);
}

TEST(Bank, AnOfferOlderThanTheCashMovesNoMoreThanThereIsNow) {
    Fixture f;
    const BankOffer deposit = f.game.OpenBank();
    ASSERT_EQ(deposit.maximum, 2000);
    f.game.ConfirmRepayment(f.game.OpenInternetCafe(), 1500);
    ASSERT_EQ(f.game.State().cash, 500);
    f.game.ConfirmBank(deposit, 2000);
    EXPECT_EQ(f.game.State().cash, 0);
    EXPECT_EQ(f.game.State().deposit, 500);
    EXPECT_EQ(f.view.deposit, 500);

    Fixture g;
    g.Edit([](GameState& s) { s.deposit = 5000; });
    const BankOffer withdraw = g.game.OpenBank(BankMode::Withdraw);
    g.game.ConfirmBank(g.game.OpenBank(BankMode::Withdraw), 4000);
    g.game.ConfirmBank(withdraw, 5000);
    EXPECT_EQ(g.game.State().deposit, 0);
    EXPECT_EQ(g.game.State().cash, 7000);
}

TEST(Hospital, AtFullHealthSendsThePlayerNextDoor) {
    Fixture f;
    const TreatmentOffer offer = f.game.OpenHospital();
    EXPECT_EQ(offer.caption.View(), "定期检查");
    EXPECT_EQ(offer.text, "你到挂号处挂号，小护士看你精神的很，往隔壁指了指说：\"同志！您走错了！精"
                          "神科在隔壁挂号！\"");
    EXPECT_FALSE(offer.confirmEnabled);
    EXPECT_EQ(offer.maximum, 0);
    EXPECT_EQ(offer.position, 0);
}

TEST(Hospital, TreatsAsManyPointsAsHealthAndCashAllow) {
    Fixture f;
    f.Edit([](GameState& s) {
        s.health = 90;
        s.cash = 5000;
    });
    const TreatmentOffer offer = f.game.OpenHospital();
    EXPECT_EQ(offer.text, "几位医师会诊，分析你的病情，决定用世界领先技术来对你身体做整体治疗，但是"
                          "因为技术特殊，治疗每一点需要100元。\"");
    EXPECT_TRUE(offer.confirmEnabled);
    EXPECT_EQ(offer.maximum, 10);
    f.game.ConfirmTreatment(offer, offer.position);
    EXPECT_EQ(f.game.State().health, 100);
    EXPECT_EQ(f.game.State().cash, 4000);

    Fixture poor;
    poor.Edit([](GameState& s) {
        s.health = 40;
        s.cash = 250;
    });
    EXPECT_EQ(poor.game.OpenHospital().maximum, 2);

    Fixture broke;
    broke.Edit([](GameState& s) {
        s.health = 40;
        s.cash = 99;
    });
    const TreatmentOffer nothing = broke.game.OpenHospital();
    EXPECT_EQ(nothing.maximum, 0);
    broke.game.ConfirmTreatment(nothing, 0);
    EXPECT_EQ(broke.game.State().health, 40);
    EXPECT_EQ(broke.game.State().cash, 99);
}

TEST(Hospital, AnOfferOlderThanTheHealthOrCashTreatsNoMoreThanAllowedNow) {
    Fixture f;
    f.Edit([](GameState& s) {
        s.health = 90;
        s.cash = 5000;
    });
    const TreatmentOffer stale = f.game.OpenHospital();
    ASSERT_EQ(stale.maximum, 10);
    f.Edit([](GameState& s) { s.health = 95; });
    f.game.ConfirmTreatment(stale, 10);
    EXPECT_EQ(f.game.State().health, 100) << "never treated past full health";
    EXPECT_EQ(f.game.State().cash, 4500);

    Fixture g;
    g.Edit([](GameState& s) {
        s.health = 50;
        s.cash = 5000;
    });
    const TreatmentOffer before = g.game.OpenHospital();
    ASSERT_EQ(before.maximum, 50);
    g.game.ConfirmBank(g.game.OpenBank(), 4850);
    g.game.ConfirmTreatment(before, 50);
    EXPECT_EQ(g.game.State().health, 51);
    EXPECT_EQ(g.game.State().cash, 50);
}

TEST(InternetCafe, RepaysTheSmallerOfCashAndDebt) {
    Fixture f;
    RepaymentOffer offer = f.game.OpenInternetCafe();
    EXPECT_EQ(offer.caption.View(), "网吧");
    EXPECT_EQ(offer.maximum, 2000);

    f.Edit([](GameState& s) { s.cash = 5000; });
    offer = f.game.OpenInternetCafe();
    EXPECT_EQ(offer.position, 3000);
    f.game.ConfirmRepayment(offer, offer.position);
    EXPECT_EQ(f.game.State().debt, 0);
    EXPECT_EQ(f.game.State().cash, 2000);
    EXPECT_EQ(f.game.OpenInternetCafe().maximum, 0);
}

TEST(InternetCafe, AnOfferOlderThanTheCashRepaysNoMoreThanThereIsNow) {
    Fixture f;
    const RepaymentOffer stale = f.game.OpenInternetCafe();
    ASSERT_EQ(stale.maximum, 2000);
    f.game.ConfirmBank(f.game.OpenBank(), 1500);
    f.game.ConfirmRepayment(stale, 2000);
    EXPECT_EQ(f.game.State().cash, 0);
    EXPECT_EQ(f.game.State().debt, 2500);
    EXPECT_EQ(f.view.debt, 2500);
}

TEST(Agency, SellsTheStorageOnceForTenThousand) {
    Fixture f;
    f.Edit([](GameState& s) { s.cash = 9999; });
    EXPECT_EQ(f.game.OpenAgency().caption.View(), "中介");
    EXPECT_TRUE(f.game.OpenAgency().confirmEnabled);
    EXPECT_TRUE(f.game.ConfirmStorage(f.game.OpenAgency())) << "still for sale";
    ASSERT_EQ(f.view.log.size(), 1u);
    EXPECT_EQ(f.view.log[0].kind, "message");
    EXPECT_EQ(f.view.log[0].text, "哦！您的钱不够!欢迎再次光临!");
    EXPECT_EQ(f.game.State().cash, 9999);
    EXPECT_EQ(f.game.State().storage, 200);
    EXPECT_FALSE(f.game.State().storageBought);

    f.Edit([](GameState& s) { s.cash = 10000; });
    EXPECT_FALSE(f.game.ConfirmStorage(f.game.OpenAgency())) << "sold out";
    EXPECT_EQ(f.game.State().cash, 0);
    EXPECT_EQ(f.game.State().storage, 300);
    EXPECT_TRUE(f.game.State().storageBought);
    EXPECT_FALSE(f.game.OpenAgency().confirmEnabled);

    f.Edit([](GameState& s) { s.cash = 50000; });
    EXPECT_FALSE(f.game.ConfirmStorage(f.game.OpenAgency()));
    EXPECT_EQ(f.game.State().storage, 300) << "the storage is sold once a game";
    EXPECT_EQ(f.game.State().cash, 50000);
    EXPECT_EQ(f.view.log.size(), 1u);
}

TEST(Services, OffersTheGameNeverMadeMoveNothing) {
    Fixture f;
    f.Edit([](GameState& s) {
        s.health = 50;
        s.deposit = 700;
    });
    f.game.ConfirmBank(BankOffer{}, 500);
    BankOffer withdraw;
    withdraw.mode = BankMode::Withdraw;
    f.game.ConfirmBank(withdraw, 500);
    f.game.ConfirmTreatment(TreatmentOffer{}, 10);
    f.game.ConfirmRepayment(RepaymentOffer{}, 500);
    EXPECT_EQ(f.game.State().cash, 2000);
    EXPECT_EQ(f.game.State().deposit, 700);
    EXPECT_EQ(f.game.State().health, 50);
    EXPECT_EQ(f.game.State().debt, 3000);
}

TEST(Services, ConfirmingRefreshesWithTheDebtStepOnATenthDay) {
    Fixture f;
    f.Edit([](GameState& s) { s.day = 20; });
    f.game.ConfirmRepayment(f.game.OpenInternetCafe(), 0);
    EXPECT_EQ(f.game.State().debt, 4000);
    f.game.ConfirmTreatment(f.game.OpenHospital(), 0);
    EXPECT_EQ(f.game.State().debt, 5000);
    f.game.ConfirmBank(f.game.OpenBank(), 0);
    EXPECT_EQ(f.game.State().debt, 6000);
    EXPECT_EQ(f.view.debt, 6000);
}

} // namespace
} // namespace tp::game
