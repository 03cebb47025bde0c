#include "game/Game.h"

#include <benchmark/benchmark.h>

namespace {

using namespace tp::game;

// Shows nothing: the benchmark measures the rules alone.
class NullView final : public GameView {
public:
    void ShowMessage(std::string_view) override {}
    void MessageBox(std::string_view, std::string_view) override {}
    std::string InputBox(std::string_view, std::string_view, std::string_view d) override {
        return std::string(d);
    }
    void ShowDiary(std::span<const std::string> lines) override {
        benchmark::DoNotOptimize(lines.data());
    }
    void CloseMainWindow() override { closed = true; }
    std::string CurrentDateText() override { return "12/8/26"; }
    void ShowStatus(const StatusDisplay& s) override { benchmark::DoNotOptimize(s.money); }
    void ShowMarket(std::span<const GoodsRecord> market) override {
        benchmark::DoNotOptimize(market.data());
    }
    void AddCarriedRow(const CarriedGoods&) override {}
    void UpdateCarriedRow(int, const CarriedGoods&) override {}
    void RemoveCarriedRow(int) override {}
    bool closed = false;
};

void BM_Market(benchmark::State& st) {
    NullView view;
    Game game(view);
    game.FormCreate(1u);
    for (auto _ : st) {
        game.GenerateMarket(0);
    }
}
BENCHMARK(BM_Market);

void BM_Journey(benchmark::State& st) {
    NullView view;
    Game game(view);
    game.FormCreate(1u);
    for (auto _ : st) {
        // Hold the day and health steady so the game never ends inside the loop.
        game.MutableState().Day = 2;
        game.MutableState().Health = 100;
        game.Travel();
    }
}
BENCHMARK(BM_Journey);

// A whole game: travel every day, buying the cheapest good and selling what the market takes.
void BM_WholeGame(benchmark::State& st) {
    std::uint32_t seed = 1;
    for (auto _ : st) {
        NullView view;
        Game game(view);
        game.FormCreate(seed++);
        while (!view.closed) {
            if (auto buy = game.OpenBuy(static_cast<int>(seed % 5))) {
                game.ConfirmTrade(buy->maximum / 2);
            }
            if (!game.Carried().empty()) {
                if (auto sell = game.OpenSell(0)) {
                    game.ConfirmTrade(sell->maximum);
                }
            }
            game.Travel();
        }
        benchmark::DoNotOptimize(game.State().Money);
    }
}
BENCHMARK(BM_WholeGame);

} // namespace
