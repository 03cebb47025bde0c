// SPDX-License-Identifier: MIT
#include "planner/Planner.h"

#include "game/DailyEvents.h"
#include "game/Game.h"
#include "planner/NullView.h"
#include "planner/Relaxation.h"
#include "runtime/Random.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace tp::planner {

namespace {

using Kind = Action::Kind;

// The health a journey with `event` needs on departure for the peddler to arrive alive.
int HealthNeeded(int event) {
    if (event < 0) {
        return 2;
    }
    const game::DailyEvent& e = game::DailyEvents[static_cast<std::size_t>(event)];
    switch (e.effect) {
    case game::Effect::HealthLoss:
        return 2 + e.amount;
    case game::Effect::HealthFull:
        return 1;
    default:
        return 2;
    }
}

// Plays the plan's actions as they are chosen, so that each is one the game offers.
class Planning {
public:
    explicit Planning(std::uint32_t seed) : game_(view_, random_) { game_.Start(seed); }

    const game::GameState& State() const { return game_.State(); }
    const game::Game& Game() const { return game_; }

    // Does `action` unless it would move nothing, and keeps it in the plan.
    void Do(Action action) {
        if (action.kind != Kind::Storage && action.kind != Kind::Travel && action.amount <= 0) {
            return;
        }
        if (Apply(game_, action)) {
            plan_.push_back(action);
        }
    }

    Plan Taken() && { return std::move(plan_); }

private:
    NullView view_;
    runtime::Random random_;
    game::Game game_;
    Plan plan_;
};

// How the cash is spent at a stop, once the goods are sold and the health bought: the agency's
// storage or not, then the units of each market row, in order.
struct Purchase {
    bool storage = false;
    std::array<std::int32_t, game::MarketSlots> units{};
};

// Does `purchase` on `game` as far as its cash and storage go, and puts the rest in the bank.
template <typename Doing> void Spend(Doing&& doing, const game::GameState& s, const Purchase& p) {
    if (p.storage && !s.storageBought && s.cash >= 10000) {
        doing({Kind::Storage, 0, 0});
    }
    for (std::size_t row = 0; row < game::MarketSlots; ++row) {
        const std::int32_t price = std::max(1, s.market[row + 1].price);
        doing({Kind::Buy, static_cast<int>(row),
               std::min({p.units[row], s.cash / price, s.storage})});
    }
    doing({Kind::Deposit, 0, s.cash});
}

// The purchases worth weighing at a stop: the relaxed run's shares in whole units rounded down
// and rounded up, the first with what is left spent on any one good, and nothing; each with the
// agency's storage and without, while the agency still sells it.
std::vector<Purchase> Purchases(const game::GameState& s, const Relaxed& relaxed) {
    std::array<double, game::MarketSlots> share{};
    for (std::size_t row = 0; row < game::MarketSlots; ++row) {
        const int good = s.market[row + 1].good;
        double carried = 0;
        for (const game::CarriedGoods& goods : s.carried) {
            carried += goods.good == good ? goods.quantity : 0;
        }
        share[row] = std::max(0.0, relaxed.keep[static_cast<std::size_t>(good - 1)] - carried);
    }
    std::vector<Purchase> purchases;
    for (const bool storage : {false, true}) {
        if (storage && (s.storageBought || s.cash < 10000)) {
            break;
        }
        Purchase down{storage, {}};
        Purchase up{storage, {}};
        for (std::size_t row = 0; row < game::MarketSlots; ++row) {
            down.units[row] = static_cast<std::int32_t>(std::floor(share[row] + 1e-6));
            up.units[row] = static_cast<std::int32_t>(std::ceil(share[row] - 1e-6));
        }
        purchases.push_back(down);
        purchases.push_back(up);
        purchases.push_back({storage, {}});
        for (std::size_t row = 0; row < game::MarketSlots; ++row) {
            Purchase filled = down;
            filled.units[row] = std::numeric_limits<std::int32_t>::max();
            purchases.push_back(filled);
        }
    }
    return purchases;
}

// One stop: money out of the bank, goods sold down to what the relaxed run keeps, health bought
// for the next journey; then of the purchases worth weighing, the one after which the relaxed run
// from the next stop reaches most. Returns that relaxed run, which guides the next stop.
Relaxed TradeAt(Planning& planning, const World& world, std::size_t k, const Relaxed& relaxed,
                const std::vector<double>& wealth) {
    const game::GameState& s = planning.State();
    planning.Do({Kind::Withdraw, 0, s.deposit});
    const auto& market = world.stops[k].market;
    const auto dealt = [&](int good) {
        return std::any_of(market.begin(), market.end(),
                           [good](const game::GoodsRecord& slot) { return slot.good == good; });
    };
    const auto keep = [&](int good) {
        return static_cast<std::int32_t>(
            std::floor(relaxed.keep[static_cast<std::size_t>(good - 1)] + 1e-6));
    };
    // Sold from the last row up, so that the rows above keep their places.
    std::array<std::int32_t, game::GoodsCount + 1> carried{};
    for (const game::CarriedGoods& row : s.carried) {
        carried[static_cast<std::size_t>(row.good)] += row.quantity;
    }
    for (int row = static_cast<int>(s.carried.size()) - 1; row >= 0; --row) {
        const game::CarriedGoods goods = s.carried[static_cast<std::size_t>(row)];
        auto& total = carried[static_cast<std::size_t>(goods.good)];
        if (!dealt(goods.good) || total <= keep(goods.good)) {
            continue;
        }
        const std::int32_t sold = std::min(goods.quantity, total - keep(goods.good));
        planning.Do({Kind::Sell, row, sold});
        total -= sold;
    }
    const bool last = k + 1 == world.stops.size();
    const int nextEvent = last ? world.homeEvent : world.stops[k + 1].event;
    planning.Do({Kind::Hospital, 0, std::max(0, HealthNeeded(nextEvent) - s.health)});

    const game::SavedJourney here = planning.Game().Snapshot();
    NullView view;
    runtime::Random random;
    game::Game scratch(view, random);
    Purchase chosen;
    Relaxed next;
    double best = -1;
    std::optional<Relaxation> onward;
    if (!last) {
        onward.emplace(world, k + 1, wealth);
    }
    for (const Purchase& purchase : Purchases(s, relaxed)) {
        scratch.Resume(here);
        Spend([&](Action a) { Apply(scratch, a); }, scratch.State(), purchase);
        scratch.Travel(0);
        Relaxed after;
        if (last) {
            after.solved = true;
            after.amount = static_cast<double>(scratch.State().cash) + scratch.State().deposit;
        } else if (scratch.State().health > 0) {
            after = onward->Solve(StandingOf(scratch.State(), k + 1));
        }
        if (after.solved && after.amount > best) {
            best = after.amount;
            chosen = purchase;
            next = after;
        }
    }
    Spend([&](Action a) { planning.Do(a); }, s, chosen);
    return next;
}

// The plan that follows the relaxed run from wherever it stands, stop by stop.
Plan Follow(const World& world, const Relaxed& whole, const std::vector<double>& wealth) {
    Planning planning(world.seed);
    Relaxed here = whole;
    for (std::size_t k = 0; k < world.stops.size(); ++k) {
        if (here.solved) {
            here = TradeAt(planning, world, k, here, wealth);
        }
        planning.Do({Kind::Travel, 0, 0});
    }
    return std::move(planning).Taken();
}

} // namespace

BestRun FindBestRun(std::uint32_t seed) {
    const World world = WorldOf(seed);
    BestRun best;
    best.seed = seed;
    const std::vector<double> wealth = WealthBounds(world);
    const Relaxed whole = Relax(world, StandingOf(world.start, 0), wealth);
    // The programme's own tolerance, and the floor of the amount the game pays out in whole yuan.
    best.bound = whole.solved
                     ? std::min<std::int64_t>(
                           std::numeric_limits<std::int32_t>::max(),
                           static_cast<std::int64_t>(std::floor(whole.amount * (1 + 1e-9) + 1e-6)))
                     : std::numeric_limits<std::int32_t>::max();
    best.plan = Follow(world, whole, wealth);
    Played played = Play(seed, best.plan);
    best.amount = played.valid ? played.amount : 0;
    best.journal = std::move(played.journal);
    return best;
}

} // namespace tp::planner
