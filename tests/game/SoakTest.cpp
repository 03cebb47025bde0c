#include "FakeView.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace tp::game {
namespace {

using testing::FakeView;

// Plays whole games with random legal actions, the way a restless player would, and checks
// after every action what must always hold.
class Player {
public:
    explicit Player(std::uint32_t seed) : choose_(seed) { game_.FormCreate(seed); }

    bool Over() const { return view_.closes > 0; }
    const Game& game() const { return game_; }

    void Act() {
        switch (Pick(10)) {
        case 0:
        case 1:
        case 2:
            game_.Travel();
            break;
        case 3:
            if (auto setup = game_.OpenBuy(Pick(6) - 1)) {
                Confirm(*setup, [&](std::int32_t q) { game_.ConfirmTrade(q); });
            }
            break;
        case 4:
            if (auto setup =
                    game_.OpenSell(Pick(static_cast<int>(game_.Carried().size()) + 1) - 1)) {
                Confirm(*setup, [&](std::int32_t q) { game_.ConfirmTrade(q); });
            }
            break;
        case 5: {
            DialogSetup setup = game_.OpenBank();
            if (Pick(2) == 0) {
                setup = game_.BankWithdrawMode();
            }
            Confirm(setup, [&](std::int32_t a) { game_.ConfirmBank(a); });
            break;
        }
        case 6:
            Confirm(game_.OpenHospital(), [&](std::int32_t p) { game_.ConfirmTreatment(p); });
            break;
        case 7:
            Confirm(game_.OpenInternetCafe(), [&](std::int32_t r) { game_.ConfirmRepayment(r); });
            break;
        case 8:
            if (game_.OpenAgency().confirmEnabled && Pick(2) == 0) {
                game_.ConfirmStorage();
            }
            break;
        default:
            view_.inputAnswers.push_back(Pick(2) == 0 ? "阿福" : "");
            game_.Rename();
            break;
        }
    }

    void CheckInvariants() const {
        const GameState& s = game_.State();
        ASSERT_EQ(view_.marketRows.size(), 5u);
        std::set<std::string_view> names;
        for (std::size_t slot = 1; slot <= 5; ++slot) {
            const GoodsRecord& m = s.Market[slot];
            names.insert(m.Name.View());
            ASSERT_EQ(view_.marketRows[slot - 1].name, m.Name.View());
            ASSERT_EQ(view_.marketRows[slot - 1].price, m.Price);
            const GoodsRecord* good = nullptr;
            for (std::size_t g = 1; g <= 15; ++g) {
                if (s.Goods[g].Name == m.Name) {
                    good = &s.Goods[g];
                }
            }
            ASSERT_NE(good, nullptr);
            const std::int32_t b = good->Price;
            ASSERT_GE(m.Price, b - b / 2 + 1);
            ASSERT_LE(m.Price, slot == 1 ? 3 * b - 1 : 2 * b - 1);
        }
        ASSERT_EQ(names.size(), 5u);
        ASSERT_GE(s.Money, 0);
        ASSERT_GE(s.Fund, 0);
        ASSERT_GE(s.Space, 0);
        ASSERT_LE(s.Health, 100);
        ASSERT_LE(s.Day, 62);
        ASSERT_EQ(view_.carriedRows.size(), game_.Carried().size());
        std::int64_t carried = 0;
        for (std::size_t i = 0; i < game_.Carried().size(); ++i) {
            ASSERT_EQ(view_.carriedRows[i].name, game_.Carried()[i].Name.View());
            ASSERT_EQ(view_.carriedRows[i].quantity, game_.Carried()[i].Quantity);
            ASSERT_GE(game_.Carried()[i].Quantity, 0);
            carried += game_.Carried()[i].Quantity;
        }
        ASSERT_EQ(carried + s.Space, game_.StorageBought() ? 300 : 200);
        if (s.Day > 60 || s.Health <= 0) {
            ASSERT_GT(view_.closes, 0) << "the game must have ended";
        }
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(choose_); }

    template <typename Apply> void Confirm(const DialogSetup& setup, Apply apply) {
        // Sometimes the player cancels; otherwise any amount the spin control allows.
        if (Pick(4) == 0 || !setup.confirmEnabled) {
            return;
        }
        const auto q = Pick(3) == 0
                           ? setup.maximum
                           : std::uniform_int_distribution<std::int32_t>(0, setup.maximum)(choose_);
        apply(q);
    }

    FakeView view_;
    Game game_{view_};
    std::mt19937 choose_;
};

TEST(Soak, ThousandsOfRandomGamesKeepEveryInvariant) {
    int deaths = 0;
    int homecomings = 0;
    for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
        Player player(seed);
        int actions = 0;
        while (!player.Over()) {
            player.Act();
            player.CheckInvariants();
            if (::testing::Test::HasFatalFailure()) {
                FAIL() << "seed " << seed << " after " << actions << " actions";
            }
            ASSERT_LT(++actions, 100000) << "seed " << seed << " never ended";
        }
        const GameState& s = player.game().State();
        ASSERT_LE(s.Day, 62);
        (s.Health <= 0 ? deaths : homecomings)++;
    }
    EXPECT_GT(homecomings, 0);
    EXPECT_GT(deaths + homecomings, 2999);
}

} // namespace
} // namespace tp::game
