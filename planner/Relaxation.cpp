// SPDX-License-Identifier: MIT
#include "planner/Relaxation.h"

#include "game/DailyEvents.h"

#include <ClpSimplex.hpp>
#include <CoinPackedMatrix.hpp>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace tp::planner {

namespace {

constexpr double Interest = 1.01;
constexpr double PointPrice = 100;
constexpr double StoragePrice = 10000;
constexpr double BaseStorage = 200;
constexpr double ExtraStorage = 100;
const double Infinite = COIN_DBL_MAX;

// A linear programme written a column and a row at a time.
class Programme {
public:
    int Column(double low, double high, double objective = 0) {
        low_.push_back(low);
        high_.push_back(high);
        objective_.push_back(objective);
        return static_cast<int>(low_.size()) - 1;
    }
    // A row `low <= sum <= high` over (column, coefficient) pairs.
    void Row(std::initializer_list<std::pair<int, double>> terms, double low, double high) {
        Row(std::vector<std::pair<int, double>>(terms), low, high);
    }
    void Row(const std::vector<std::pair<int, double>>& terms, double low, double high) {
        const int row = static_cast<int>(rowLow_.size());
        for (const auto& [column, coefficient] : terms) {
            rows_.push_back(row);
            columns_.push_back(column);
            values_.push_back(coefficient);
        }
        rowLow_.push_back(low);
        rowHigh_.push_back(high);
    }

    // The programme as a model to maximise.
    std::unique_ptr<ClpSimplex> Load() const {
        const CoinPackedMatrix matrix(true, rows_.data(), columns_.data(), values_.data(),
                                      static_cast<CoinBigIndex>(values_.size()));
        auto model = std::make_unique<ClpSimplex>();
        model->setLogLevel(0);
        model->loadProblem(matrix, low_.data(), high_.data(), objective_.data(), rowLow_.data(),
                           rowHigh_.data());
        model->setOptimizationDirection(-1);
        model->setPrimalTolerance(1e-9);
        model->setDualTolerance(1e-9);
        return model;
    }
    int Rows() const { return static_cast<int>(rowLow_.size()); }

private:
    std::vector<double> low_, high_, objective_, rowLow_, rowHigh_, values_;
    std::vector<int> rows_, columns_;
};

// What the event of a journey adds to the money on arrival: the deposit's gains, and the cash's,
// which arrives empty, since money travels in the bank.
double MoneyGained(int event) {
    if (event < 0) {
        return 0;
    }
    const game::DailyEvent& e = game::DailyEvents[static_cast<std::size_t>(event)];
    return e.effect == game::Effect::MoneyGain || e.effect == game::Effect::FundGain ? e.amount : 0;
}

// Health on arrival after a journey with `event`, from `before` on departure: a row over the
// arrival's column, or a bound alone.
void ArrivalHealth(Programme& p, int arrival, int before, int event) {
    using game::Effect;
    const game::DailyEvent* e =
        event >= 0 ? &game::DailyEvents[static_cast<std::size_t>(event)] : nullptr;
    const Effect effect = e != nullptr ? e->effect : Effect::None;
    if (effect == Effect::HealthFull) {
        return; // a full hundred, whatever it was
    }
    if (effect == Effect::HealthGain) {
        p.Row({{arrival, 1}, {before, -1}}, -Infinite, -1 + e->amount);
        return;
    }
    const double lost = effect == Effect::HealthLoss ? e->amount : 0;
    p.Row({{arrival, 1}, {before, -1}}, -1 - lost, -1 - lost);
}

} // namespace

Relaxation::Relaxation(const World& world, std::size_t from, const std::vector<double>& wealth,
                       std::size_t until) {
    Programme p;
    const std::size_t stops = std::min(until, world.stops.size());
    const bool home = stops == world.stops.size();
    int money = -1;   // money carried on from the last stop
    int storage = -1; // share of the agency's storage bought so far
    int health = -1;  // health on departure from the last stop
    std::array<int, game::GoodsCount> held{};
    held.fill(-1);
    for (std::size_t k = from; k < stops; ++k) {
        const Stop& stop = world.stops[k];
        const bool first = k == from;
        // Health: on arrival, then bought at the hospital.
        const int arrival = p.Column(1, 100);
        if (first) {
            arrivalRow_ = p.Rows();
            p.Row({{arrival, 1}}, 100, 100);
        } else {
            ArrivalHealth(p, arrival, health, stop.event);
        }
        const int treatment = p.Column(0, Infinite);
        const int after = p.Column(1, 100);
        p.Row({{after, 1}, {arrival, -1}, {treatment, -1}}, 0, 0);
        // Storage: bought once, in whole or not at all, which the programme lets go.
        const int bought = p.Column(0, 1);
        if (!first) {
            p.Row({{bought, 1}, {storage, -1}}, 0, Infinite);
        }
        // Trading at the market's prices, and what is carried on.
        std::vector<std::pair<int, double>> moneyRow;
        const int left = p.Column(0, Infinite, k + 1 < stops ? 0 : (home ? Interest : 1));
        moneyRow.push_back({left, 1});
        moneyRow.push_back({treatment, PointPrice});
        moneyRow.push_back({bought, StoragePrice});
        double arrived = 0;
        if (first) {
            moneyRow_ = p.Rows();
        } else {
            moneyRow.push_back({money, -Interest});
            moneyRow.push_back({storage, -StoragePrice});
            arrived = MoneyGained(stop.event);
        }
        std::array<std::vector<std::pair<int, double>>, game::GoodsCount> flows;
        for (const game::GoodsRecord& slot : stop.market) {
            const auto g = static_cast<std::size_t>(slot.good - 1);
            // No run buys more whole units than the most money it can have here pays for.
            const int buy = p.Column(
                0, k < wealth.size() ? std::floor(wealth[k] / std::max(1, slot.price)) : Infinite);
            const int sell = p.Column(0, Infinite);
            moneyRow.push_back({buy, slot.price});
            moneyRow.push_back({sell, -static_cast<double>(slot.price)});
            flows[g].push_back({buy, -1});
            flows[g].push_back({sell, 1});
        }
        p.Row(moneyRow, arrived, arrived);
        std::vector<std::pair<int, double>> room{{bought, -ExtraStorage}};
        for (std::size_t g = 0; g < game::GoodsCount; ++g) {
            const int carried = p.Column(0, Infinite);
            std::vector<std::pair<int, double>> row = flows[g];
            row.push_back({carried, 1});
            if (first) {
                carriedRows_[g] = p.Rows();
                p.Row(row, 0, 0);
                keptColumns_[g] = carried;
            } else {
                row.push_back({held[g], -1});
                p.Row(row, 0, 0);
            }
            held[g] = carried;
            room.push_back({carried, 1});
        }
        p.Row(room, -Infinite, BaseStorage);
        if (first) {
            boughtColumn_ = bought;
        }
        money = left;
        storage = bought;
        health = after;
    }
    if (home) {
        // Home alive.
        const int arrivedHome = p.Column(1, 100);
        ArrivalHealth(p, arrivedHome, health, world.homeEvent);
        homeGain_ = MoneyGained(world.homeEvent);
    }
    model_ = p.Load();
}

Standing StandingOf(const game::GameState& state, std::size_t stop) {
    Standing standing;
    standing.stop = stop;
    standing.money = static_cast<double>(state.cash) + state.deposit;
    for (const game::CarriedGoods& row : state.carried) {
        standing.carried[static_cast<std::size_t>(row.good - 1)] += row.quantity;
    }
    standing.health = state.health;
    standing.storageBought = state.storageBought;
    return standing;
}

std::vector<double> WealthBounds(const World& world) {
    // Past what pays for a full storage of the dearest good still to be met, the caps hold nothing
    // back: the storage does first. Stops left unbounded are only bounded less.
    std::vector<double> dearest(world.stops.size() + 1, 1);
    for (std::size_t k = world.stops.size(); k-- > 0;) {
        dearest[k] = dearest[k + 1];
        for (const game::GoodsRecord& slot : world.stops[k].market) {
            dearest[k] = std::max(dearest[k], static_cast<double>(slot.price));
        }
    }
    const Standing start = StandingOf(world.start, 0);
    std::vector<double> wealth{start.money};
    while (wealth.size() < world.stops.size() &&
           wealth.back() < (BaseStorage + ExtraStorage) * dearest[wealth.size() - 1]) {
        const std::size_t k = wealth.size();
        // The most money the run may have at stop k, each stop before it bounded already: its
        // money left there, with nothing bought, and the programme's own tolerance on top.
        const Relaxed most = Relaxation(world, 0, wealth, k + 1).Solve(start);
        if (!most.solved) {
            break;
        }
        wealth.push_back(most.amount * (1 + 1e-9) + 1e-6);
    }
    return wealth;
}

Relaxation::~Relaxation() = default;

Relaxed Relaxation::Solve(const Standing& from) {
    ClpSimplex& model = *model_;
    model.setRowLower(arrivalRow_, from.health);
    model.setRowUpper(arrivalRow_, from.health);
    // Storage bought before is counted as bought here, at no cost.
    const double money = from.money + (from.storageBought ? StoragePrice : 0);
    model.setRowLower(moneyRow_, money);
    model.setRowUpper(moneyRow_, money);
    model.setColumnLower(boughtColumn_, from.storageBought ? 1 : 0);
    for (std::size_t g = 0; g < game::GoodsCount; ++g) {
        model.setRowLower(carriedRows_[g], from.carried[g]);
        model.setRowUpper(carriedRows_[g], from.carried[g]);
    }
    // From the last solution's basis: only what the run stands on has changed.
    model.dual();
    Relaxed relaxed;
    if (!model.isProvenOptimal()) {
        return relaxed;
    }
    const double* solution = model.primalColumnSolution();
    relaxed.solved = true;
    relaxed.amount = model.objectiveValue() + homeGain_;
    for (std::size_t g = 0; g < game::GoodsCount; ++g) {
        relaxed.keep[g] = solution[keptColumns_[g]];
    }
    relaxed.storage = solution[boughtColumn_];
    return relaxed;
}

Relaxed Relax(const World& world, const Standing& from, const std::vector<double>& wealth) {
    return Relaxation(world, from.stop, wealth).Solve(from);
}

} // namespace tp::planner
