// SPDX-License-Identifier: MIT
#include "game/Game.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tp::game;

// Shows nothing: the benchmark measures the rules alone.
class NullView final : public GameView {
public:
    void Tell(std::string_view) override {}
    void Inform(std::string_view, std::string_view) override {}
    std::string AskText(std::string_view, std::string_view, std::string_view d) override {
        return std::string(d);
    }
    void ShowDiary(std::span<const std::string> lines) override {
        benchmark::DoNotOptimize(lines.data());
    }
    void CloseMainWindow() override { closed = true; }
    std::string CurrentDateText() override { return "12/8/26"; }
    std::string_view Translated(std::string_view, std::string_view text) override { return text; }
    void ShowStatus(const StatusDisplay& s) override { benchmark::DoNotOptimize(s.cash); }
    void ShowMarket(std::span<const GoodsRecord> market) override {
        benchmark::DoNotOptimize(market.data());
    }
    void ShowCarriedRows(std::span<const CarriedGoods> rows) override {
        benchmark::DoNotOptimize(rows.data());
    }
    void AddCarriedRow(const CarriedGoods&) override {}
    void UpdateCarriedRow(int, const CarriedGoods&) override {}
    void RemoveCarriedRow(int) override {}
    void ShowJournal(std::span<const tp::game::JournalEntry>) override {}
    bool closed = false;
};

void BM_Journey(benchmark::State& st) {
    NullView view;
    tp::runtime::Random random;
    Game game(view, random);
    game.Start(1u);
    SavedJourney fresh = game.Snapshot();
    fresh.state.day = 2;
    fresh.state.health = 100;
    game.Resume(fresh);
    for (auto _ : st) {
        // Go back to a fresh day and health well before the game could end inside the loop;
        // one journey takes at most two days and 31 health points.
        if (game.State().day > 50 || game.State().health < 40) {
            st.PauseTiming();
            game.Resume(fresh);
            st.ResumeTiming();
        }
        game.Travel(0);
    }
    if (view.closed) {
        st.SkipWithError("the game ended inside the loop");
    }
}
BENCHMARK(BM_Journey);

// A whole game: travel every day, buying the cheapest good and selling what the market takes.
void BM_WholeGame(benchmark::State& st) {
    std::uint32_t seed = 1;
    for (auto _ : st) {
        NullView view;
        tp::runtime::Random random;
        Game game(view, random);
        game.Start(seed++);
        while (!view.closed) {
            if (const auto buy = game.OpenBuy(static_cast<int>(seed % 5))) {
                game.ConfirmBuy(*buy, buy->maximum / 2);
            }
            if (!game.State().carried.empty()) {
                if (const auto sell = game.OpenSell(0)) {
                    game.ConfirmSell(*sell, sell->maximum);
                }
            }
            game.Travel(0);
        }
        benchmark::DoNotOptimize(game.State().cash);
    }
}
BENCHMARK(BM_WholeGame);

} // namespace
