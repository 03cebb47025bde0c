// SPDX-License-Identifier: MIT
#include "game/PriceBook.h"
#include "tests/game/RandomPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

namespace tp::game::testing {
namespace {

using Kind = JournalEntry::Kind;

// What an action's entry says it did, read off the game before and after it.
std::int64_t Moved(Kind kind, const GameState& was, const GameState& is) {
    switch (kind) {
    case Kind::Buy:
        return std::int64_t{was.cash} - is.cash;
    case Kind::Sell:
        return std::int64_t{is.cash} - was.cash;
    case Kind::Deposit:
        return std::int64_t{is.deposit} - was.deposit;
    case Kind::Withdrawal:
        return std::int64_t{was.deposit} - is.deposit;
    case Kind::Treatment:
        return is.health - was.health;
    case Kind::Repayment:
        // Every refresh on a tenth day adds to the debt, a repayment's too.
        return std::int64_t{was.debt} - is.debt + (is.day % 10 == 0 ? 1000 : 0);
    default:
        return std::int64_t{is.storage} - was.storage;
    }
}

// A restless player on many seeds. The journal lists each journey with the market met, each
// renaming and each confirmed action that changed the game, with what it moved and the figures it
// left. Each such action is taken back, the last first, to exactly what the game and its windows
// showed before it, back to the arrival at the stop or the last renaming, and the journal says so;
// a journey, a renaming and the end of the run never are. The price book is the markets met.
TEST(Journal, ListsEachJourneyAndActionAndUndoGivesBackExactlyWhatWasShown) {
    int undone = 0;
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        Fixture f(seed);
        RandomPlayer player(seed * 7919u);
        const auto shown = [&f] {
            return std::tuple(f.game.State(), std::string(f.game.NameLabel()),
                              std::string(f.game.Caption()), f.view.marketRows, f.view.carriedRows,
                              f.view.name, f.view.cash, f.view.debt);
        };
        const auto figuresAre = [&f](const JournalEntry& entry) {
            const GameState& s = f.game.State();
            return entry.cash == s.cash && entry.deposit == s.deposit && entry.debt == s.debt &&
                   entry.day == s.day;
        };
        std::array<std::vector<PriceMet>, GoodsCount> met;
        const auto meet = [&](const JournalEntry& entry) {
            ASSERT_EQ(entry.kind, Kind::Market);
            for (std::size_t slot = 1; slot <= MarketSlots; ++slot) {
                const GoodsRecord& good = f.game.State().market[slot];
                ASSERT_EQ(entry.market[slot - 1], good);
                met[static_cast<std::size_t>(good.good - 1)].push_back(
                    {f.game.State().day, good.price});
            }
        };
        const std::vector<JournalEntry>& journal = f.game.Journal();
        ASSERT_EQ(journal.size(), 2u);
        EXPECT_EQ(journal[0].seed, seed);
        meet(journal[1]);
        std::vector<decltype(shown())> before;
        std::vector<Kind> actions;
        for (int step = 0; step < 300 && !RunIsOver(f.game.State()); ++step) {
            auto now = shown();
            const GameState& was = std::get<0>(now);
            const std::size_t notices = f.view.log.size();
            const std::size_t seen = journal.size();
            player.Act(f.game, f.view);
            const auto added = std::span<const JournalEntry>(journal).subspan(seen);
            const bool renamed = f.view.log.size() > notices && f.view.log.back().kind == "input";
            if (renamed) {
                ASSERT_EQ(added.size(), 1u);
                EXPECT_EQ(added[0].kind, Kind::Rename);
                EXPECT_EQ(added[0].name, f.game.NameLabel());
                before.clear();
            } else if (f.game.State().day != was.day) {
                ASSERT_EQ(added.size(), RunIsOver(f.game.State()) ? 3u : 2u) << "seed " << seed;
                EXPECT_EQ(added[0].kind, Kind::Journey);
                EXPECT_EQ(added[0].place, was.day % 10);
                EXPECT_EQ(added[0].event != JournalEntry::NoEvent, !f.game.Diary().empty());
                meet(added[1]);
                if (RunIsOver(f.game.State())) {
                    EXPECT_EQ(added[2].kind, f.game.State().health > 0 ? Kind::Home : Kind::Death);
                }
                before.clear();
            } else if (!(f.game.State() == was)) {
                ASSERT_EQ(added.size(), 1u) << "seed " << seed << " step " << step;
                const JournalEntry& action = added[0];
                ASSERT_TRUE(IsAction(action.kind));
                EXPECT_TRUE(figuresAre(action));
                const std::int64_t units = action.kind == Kind::Buy || action.kind == Kind::Sell
                                               ? std::int64_t{action.quantity} * action.price
                                               : action.quantity;
                EXPECT_EQ(Moved(action.kind, was, f.game.State()),
                          std::min<std::int64_t>(units, INT32_MAX))
                    << "seed " << seed << " step " << step;
                before.push_back(std::move(now));
                actions.push_back(action.kind);
            } else {
                EXPECT_TRUE(added.empty());
            }
            // Back one action every seventh step, all the way every fourteenth.
            for (std::size_t n = step % 14 == 13 ? before.size() : step % 7 == 6 && !before.empty();
                 n > 0 && !RunIsOver(f.game.State()); --n, ++undone) {
                ASSERT_TRUE(f.game.Undo()) << "seed " << seed << " step " << step;
                ASSERT_TRUE(shown() == before.back()) << "seed " << seed << " step " << step;
                EXPECT_EQ(journal.back().kind, Kind::Undo);
                EXPECT_EQ(journal.back().undone, actions.back());
                EXPECT_TRUE(figuresAre(journal.back()));
                before.pop_back();
                actions.resize(before.size());
            }
            actions.resize(before.size());
            EXPECT_EQ(f.game.CanUndo(), !before.empty() && !RunIsOver(f.game.State()));
        }
        const auto book = PriceBook(journal);
        for (std::size_t good = 0; good < GoodsCount; ++good) {
            const std::vector<PriceMet>& prices = met[good];
            ASSERT_EQ(book[good].met, prices);
            if (prices.empty()) {
                continue;
            }
            const auto byPrice = [](const PriceMet& a, const PriceMet& b) {
                return a.price < b.price;
            };
            EXPECT_EQ(book[good].lowest, *std::min_element(prices.begin(), prices.end(), byPrice));
            EXPECT_EQ(book[good].highest, *std::max_element(prices.begin(), prices.end(), byPrice));
            EXPECT_EQ(book[good].last, prices.back());
        }
    }
    EXPECT_GT(undone, 200) << "the player undid too little to tell";
}

} // namespace
} // namespace tp::game::testing
