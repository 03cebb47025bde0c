// SPDX-License-Identifier: MIT
// What keeping the journey costs a click: the journey file written after every action, and what
// a start does to read it back.

#include "game/Game.h"
#include "journey/JourneyFile.h"
#include "journey/JourneyStore.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using namespace tp::game;

class NullView final : public GameView {
public:
    void Tell(std::string_view) override {}
    void Inform(std::string_view, std::string_view) override {}
    std::string AskText(std::string_view, std::string_view, std::string_view d) override {
        return std::string(d);
    }
    void ShowDiary(std::span<const std::string>) override {}
    void CloseMainWindow() override {}
    std::string CurrentDateText() override { return "12/8/26"; }
    std::string_view Translated(std::string_view, std::string_view text) override { return text; }
    void ShowStatus(const StatusDisplay&) override {}
    void ShowMarket(std::span<const GoodsRecord>) override {}
    void ShowCarriedRows(std::span<const CarriedGoods>) override {}
    void AddCarriedRow(const CarriedGoods&) override {}
    void UpdateCarriedRow(int, const CarriedGoods&) override {}
    void RemoveCarriedRow(int) override {}
    void ShowJournal(std::span<const tp::game::JournalEntry>) override {}
};

// A journey late in a run, with goods carried and a diary: as large as play makes one.
SavedJourney LateJourney() {
    NullView view;
    tp::runtime::Random random;
    Game game(view, random);
    game.Start(7u);
    for (int day = 1; day < 50; ++day) {
        if (const auto buy = game.OpenBuy(day % 5)) {
            game.ConfirmBuy(*buy, 1);
        }
        SavedJourney healthy = game.Snapshot();
        healthy.state.health = 100;
        game.Resume(healthy);
        game.Travel(0);
    }
    return game.Snapshot();
}

const QString Id = QStringLiteral("6f1c2e0a-93d4-4b7e-8d21-5a0c9e7f3b64");

void BM_WriteJourneyFile(benchmark::State& st) {
    const SavedJourney journey = LateJourney();
    for (auto _ : st) {
        benchmark::DoNotOptimize(tp::journey::SerializeJourney(journey, Id));
    }
}
BENCHMARK(BM_WriteJourneyFile);

// The journey late in a run with a journal of `entries` entries: a restless player's run writes
// a few hundred, and the journal stops at MaxJournalEntries.
SavedJourney WithJournalOf(std::size_t entries) {
    SavedJourney journey = LateJourney();
    const std::vector<JournalEntry> played = journey.journal;
    while (journey.journal.size() < entries) {
        journey.journal.push_back(played[journey.journal.size() % played.size()]);
    }
    journey.journal.resize(std::min(journey.journal.size(), entries));
    return journey;
}

// The whole save after an action: the file written beside the old one, flushed to the disk and
// put in its place, with a journal of the size given.
void BM_SaveAfterAnAction(benchmark::State& st) {
    const SavedJourney journey = WithJournalOf(static_cast<std::size_t>(st.range(0)));
    QTemporaryDir dir;
    tp::journey::JourneyStore store(dir.filePath(QStringLiteral("journey.json")));
    store.Take();
    for (auto _ : st) {
        if (!store.Save(journey, Id)) {
            st.SkipWithError("the journey could not be saved");
            break;
        }
    }
}
BENCHMARK(BM_SaveAfterAnAction)
    ->Arg(150)
    ->Arg(600)
    ->Arg(static_cast<std::int64_t>(MaxJournalEntries))
    ->Unit(benchmark::kMillisecond);

void BM_ReadJourneyFile(benchmark::State& st) {
    const QByteArray bytes = tp::journey::SerializeJourney(LateJourney(), Id);
    for (auto _ : st) {
        benchmark::DoNotOptimize(tp::journey::ParseJourneyFile(bytes, nullptr));
    }
}
BENCHMARK(BM_ReadJourneyFile);

} // namespace
