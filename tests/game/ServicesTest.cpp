#include "FakeView.h"

#include <gtest/gtest.h>

namespace tp::game {
namespace {

using testing::Fixture;

TEST(Bank, FirstVisitOffersAllTheCashForDeposit) {
    Fixture f;
    const DialogSetup setup = f.game.OpenBank();
    EXPECT_EQ(setup.caption, "银行存款");
    EXPECT_EQ(setup.maximum, 2000);
    EXPECT_EQ(setup.position, 2000);
    f.game.ConfirmBank(setup.position);
    EXPECT_EQ(f.game.State().Money, 0);
    EXPECT_EQ(f.game.State().Fund, 2000);
    EXPECT_EQ(f.view.fund, 2000);
}

TEST(Bank, WithdrawingWithAnEmptyAccountOffersNothingButStillRefreshes) {
    Fixture f;
    f.game.OpenBank();
    const DialogSetup setup = f.game.BankWithdrawMode();
    EXPECT_EQ(setup.caption, "银行取款");
    EXPECT_EQ(setup.maximum, 0);
    const int shows = f.view.statusShows;
    f.game.ConfirmBank(0);
    EXPECT_EQ(f.game.State().Money, 2000);
    EXPECT_EQ(f.game.State().Fund, 0);
    EXPECT_EQ(f.view.statusShows, shows + 1);
}

TEST(Bank, WithdrawsAndReopensInDepositMode) {
    Fixture f;
    f.state().Fund = 5000;
    f.game.OpenBank();
    const DialogSetup withdraw = f.game.BankWithdrawMode();
    EXPECT_EQ(withdraw.maximum, 5000);
    f.game.ConfirmBank(1234);
    EXPECT_EQ(f.game.State().Money, 3234);
    EXPECT_EQ(f.game.State().Fund, 3766);
    EXPECT_FALSE(f.game.BankInDepositMode());

    const DialogSetup again = f.game.OpenBank();
    EXPECT_TRUE(f.game.BankInDepositMode());
    EXPECT_EQ(again.caption, "银行存款");
    EXPECT_EQ(again.position, 3234);
}

TEST(Bank, LargeAmountsMoveWholeAndSaturateAtTheTop) {
    Fixture f;
    f.state().Money = 32768;
    EXPECT_EQ(f.game.OpenBank().maximum, 32768);
    f.game.ConfirmBank(32768);
    EXPECT_EQ(f.game.State().Fund, 32768);

    Fixture g;
    g.state().Money = 2000000000;
    g.state().Fund = 2000000000;
    g.game.OpenBank();
    g.game.ConfirmBank(2000000000);
    EXPECT_EQ(g.game.State().Money, 0);
    EXPECT_EQ(g.game.State().Fund, 2147483647);
}

TEST(Bank, AmountsBeyondTheOfferAreHeldToIt) {
    Fixture f;
    f.game.OpenBank();
    f.game.ConfirmBank(999999);
    EXPECT_EQ(f.game.State().Money, 0);
    EXPECT_EQ(f.game.State().Fund, 2000);
}

TEST(Hospital, AtFullHealthSendsThePlayerNextDoor) {
    Fixture f;
    const DialogSetup setup = f.game.OpenHospital();
    EXPECT_EQ(setup.caption, "定期检查");
    EXPECT_EQ(setup.text, "你到挂号处挂号，小护士看你精神的很，往隔壁指了指说：\"同志！您走错了！精"
                          "神科在隔壁挂号！\"");
    EXPECT_FALSE(setup.confirmEnabled);
    EXPECT_EQ(setup.maximum, 0);
    EXPECT_EQ(setup.position, 0);
}

TEST(Hospital, TreatsAsManyPointsAsHealthAndCashAllow) {
    Fixture f;
    f.state().Health = 90;
    f.state().Money = 5000;
    const DialogSetup setup = f.game.OpenHospital();
    EXPECT_EQ(setup.text, "几位医师会诊，分析你的病情，决定用世界领先技术来对你身体做整体治疗，但是"
                          "因为技术特殊，治疗每一点需要100元。\"");
    EXPECT_TRUE(setup.confirmEnabled);
    EXPECT_EQ(setup.maximum, 10);
    f.game.ConfirmTreatment(setup.position);
    EXPECT_EQ(f.game.State().Health, 100);
    EXPECT_EQ(f.game.State().Money, 4000);

    Fixture poor;
    poor.state().Health = 40;
    poor.state().Money = 250;
    EXPECT_EQ(poor.game.OpenHospital().maximum, 2);

    Fixture broke;
    broke.state().Health = 40;
    broke.state().Money = 99;
    EXPECT_EQ(broke.game.OpenHospital().maximum, 0);
    broke.game.ConfirmTreatment(0);
    EXPECT_EQ(broke.game.State().Health, 40);
    EXPECT_EQ(broke.game.State().Money, 99);
}

TEST(InternetCafe, RepaysTheSmallerOfCashAndDebt) {
    Fixture f;
    DialogSetup setup = f.game.OpenInternetCafe();
    EXPECT_EQ(setup.caption, "网吧");
    EXPECT_EQ(setup.maximum, 2000);

    f.state().Money = 5000;
    setup = f.game.OpenInternetCafe();
    EXPECT_EQ(setup.position, 3000);
    f.game.ConfirmRepayment(setup.position);
    EXPECT_EQ(f.game.State().Arrearage, 0);
    EXPECT_EQ(f.game.State().Money, 2000);
    EXPECT_EQ(f.game.OpenInternetCafe().maximum, 0);
}

TEST(Agency, SellsTheStorageOnceForTenThousand) {
    Fixture f;
    f.state().Money = 9999;
    EXPECT_EQ(f.game.OpenAgency().caption, "中介");
    EXPECT_TRUE(f.game.OpenAgency().confirmEnabled);
    f.game.ConfirmStorage();
    ASSERT_EQ(f.view.log.size(), 1u);
    EXPECT_EQ(f.view.log[0].kind, "message");
    EXPECT_EQ(f.view.log[0].text, "哦！您的钱不够!欢迎再次光临!");
    EXPECT_EQ(f.game.State().Money, 9999);
    EXPECT_EQ(f.game.State().Space, 200);

    f.state().Money = 10000;
    f.game.ConfirmStorage();
    EXPECT_EQ(f.game.State().Money, 0);
    EXPECT_EQ(f.game.State().Space, 300);
    EXPECT_FALSE(f.game.OpenAgency().confirmEnabled);

    f.state().Money = 50000;
    f.game.ConfirmStorage();
    EXPECT_EQ(f.game.State().Space, 300) << "the storage is sold once a game";
    EXPECT_EQ(f.game.State().Money, 50000);
}

TEST(Services, ConfirmingRefreshesWithTheDebtStepOnATenthDay) {
    Fixture f;
    f.state().Day = 20;
    f.game.OpenInternetCafe();
    f.game.ConfirmRepayment(0);
    EXPECT_EQ(f.game.State().Arrearage, 4000);
    f.game.OpenHospital();
    f.game.ConfirmTreatment(0);
    EXPECT_EQ(f.game.State().Arrearage, 5000);
}

} // namespace
} // namespace tp::game
