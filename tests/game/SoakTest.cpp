// SPDX-License-Identifier: MIT
#include "FakeView.h"
#include "game/JourneyCheck.h"

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
    explicit Player(std::uint32_t seed) : choose_(seed) { game_.Start(seed); }

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
            if (const auto offer = game_.OpenBuy(Pick(6) - 1)) {
                Confirm(*offer, [&](std::int32_t q) { game_.ConfirmBuy(*offer, q); });
            }
            break;
        case 4: {
            const int rows = static_cast<int>(game_.State().carried.size());
            if (const auto offer = game_.OpenSell(Pick(rows + 1) - 1)) {
                Confirm(*offer, [&](std::int32_t q) { game_.ConfirmSell(*offer, q); });
            }
            break;
        }
        case 5: {
            const BankOffer offer =
                game_.OpenBank(Pick(2) == 0 ? BankMode::Withdraw : BankMode::Deposit);
            Confirm(offer, [&](std::int32_t a) { game_.ConfirmBank(offer, a); });
            break;
        }
        case 6: {
            const TreatmentOffer offer = game_.OpenHospital();
            Confirm(offer, [&](std::int32_t p) { game_.ConfirmTreatment(offer, p); });
            break;
        }
        case 7: {
            const RepaymentOffer offer = game_.OpenInternetCafe();
            Confirm(offer, [&](std::int32_t r) { game_.ConfirmRepayment(offer, r); });
            break;
        }
        case 8: {
            const StorageOffer offer = game_.OpenAgency();
            if (offer.confirmEnabled && Pick(2) == 0) {
                const bool stillForSale = game_.ConfirmStorage(offer);
                ASSERT_EQ(stillForSale, !game_.State().storageBought);
            }
            break;
        }
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
            const GoodsRecord& m = s.market[slot];
            names.insert(m.name.View());
            ASSERT_EQ(view_.marketRows[slot - 1].name, m.name.View());
            ASSERT_EQ(view_.marketRows[slot - 1].price, m.price);
            const GoodsRecord* good = nullptr;
            for (std::size_t g = 1; g <= 15; ++g) {
                if (s.goods[g].name == m.name) {
                    good = &s.goods[g];
                }
            }
            ASSERT_NE(good, nullptr);
            const std::int32_t b = good->price;
            ASSERT_GE(m.price, b - b / 2 + 1);
            ASSERT_LE(m.price, slot == 1 ? 3 * b - 1 : 2 * b - 1);
        }
        ASSERT_EQ(names.size(), 5u);
        ASSERT_GE(s.cash, 0);
        ASSERT_GE(s.deposit, 0);
        ASSERT_GE(s.storage, 0);
        ASSERT_LE(s.health, 100);
        ASSERT_LE(s.day, 62);
        ASSERT_EQ(view_.carriedRows.size(), s.carried.size());
        std::int64_t carried = 0;
        for (std::size_t i = 0; i < s.carried.size(); ++i) {
            ASSERT_EQ(view_.carriedRows[i].name, s.carried[i].name.View());
            ASSERT_EQ(view_.carriedRows[i].quantity, s.carried[i].quantity);
            ASSERT_GE(s.carried[i].quantity, 0);
            carried += s.carried[i].quantity;
        }
        ASSERT_EQ(carried + s.storage, s.storageBought ? 300 : 200);
        if (s.day > 60 || s.health <= 0) {
            ASSERT_GT(view_.closes, 0) << "the game must have ended";
        } else {
            // Whatever play reaches can be saved and resumed.
            ASSERT_EQ(Unreachable(game_.Snapshot()), "");
        }
    }

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

    FakeView view_;
    runtime::Random random_;
    Game game_{view_, random_};
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
        ASSERT_LE(s.day, 62);
        (s.health <= 0 ? deaths : homecomings)++;
    }
    EXPECT_GT(homecomings, 0);
    EXPECT_GT(deaths + homecomings, 2999);
}

} // namespace
} // namespace tp::game
