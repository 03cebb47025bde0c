// SPDX-License-Identifier: MIT
#pragma once

#include "game/Catalogue.h"
#include "game/Game.h"
#include "game/GameView.h"
#include "runtime/Random.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tp::game::testing {

// Records what the rules ask of the windows, in order, and mirrors the two lists the way the
// main window would show them.
class FakeView : public GameView {
public:
    struct Notice {
        std::string kind; // "message", "box", "diary", "close", "input"
        std::string text;
        std::string caption;

        friend bool operator==(const Notice&, const Notice&) = default;
    };

    void Tell(std::string_view text) override { log.push_back({"message", std::string(text), {}}); }
    void Inform(std::string_view text, std::string_view caption) override {
        log.push_back({"box", std::string(text), std::string(caption)});
    }
    std::string AskText(std::string_view caption, std::string_view prompt,
                        std::string_view defaultText) override {
        log.push_back({"input", std::string(prompt), std::string(caption)});
        inputDefault = std::string(defaultText);
        if (inputAnswers.empty()) {
            return std::string(defaultText);
        }
        std::string answer = inputAnswers.front();
        inputAnswers.pop_front();
        return answer;
    }
    void ShowDiary(std::span<const std::string> lines) override {
        diaryShown.assign(lines.begin(), lines.end());
        std::string joined;
        for (const auto& line : lines) {
            joined += line + "\n";
        }
        log.push_back({"diary", joined, {}});
        if (onDiary) {
            onDiary();
        }
    }
    void CloseMainWindow() override {
        ++closes;
        log.push_back({"close", {}, {}});
    }
    std::string CurrentDateText() override { return dateText; }
    std::string_view Translated(std::string_view context, std::string_view text) override {
        const auto found = translations.find(std::string(context) + "|" + std::string(text));
        return found != translations.end() ? std::string_view(found->second) : text;
    }

    void ShowStatus(const StatusDisplay& s) override {
        windowCaption = std::string(s.caption);
        name = std::string(s.name);
        cash = s.cash;
        debt = s.debt;
        health = s.health;
        deposit = s.deposit;
        ++statusShows;
    }
    void ShowMarket(std::span<const GoodsRecord> market) override {
        marketRows.clear();
        for (const auto& slot : market) {
            marketRows.push_back({std::string(GoodName(slot.good)), slot.price});
        }
        ++marketShows;
    }
    void ShowCarriedRows(std::span<const CarriedGoods> rows) override {
        carriedRows.clear();
        for (const auto& row : rows) {
            carriedRows.push_back(Mirror(row));
        }
    }
    void AddCarriedRow(const CarriedGoods& row) override { carriedRows.push_back(Mirror(row)); }
    void UpdateCarriedRow(int index, const CarriedGoods& row) override {
        carriedRows.at(static_cast<std::size_t>(index)) = Mirror(row);
    }
    void RemoveCarriedRow(int index) override { carriedRows.erase(carriedRows.begin() + index); }
    void ShowJournal(std::span<const JournalEntry> journal) override {
        journalShown = journal.size();
    }

    std::vector<std::string> KindsLogged() const {
        std::vector<std::string> kinds;
        for (const auto& n : log) {
            kinds.push_back(n.kind);
        }
        return kinds;
    }

    struct MarketRow {
        std::string name;
        std::int32_t price;

        friend bool operator==(const MarketRow&, const MarketRow&) = default;
    };
    struct CarriedRow {
        std::string name;
        std::int32_t price;
        std::int32_t quantity;

        friend bool operator==(const CarriedRow&, const CarriedRow&) = default;
    };
    static CarriedRow Mirror(const CarriedGoods& row) {
        return {std::string(GoodName(row.good)), row.price, row.quantity};
    }

    std::vector<Notice> log;
    std::deque<std::string> inputAnswers;
    std::string inputDefault;
    std::string dateText = "12/8/26";
    // Texts the view speaks otherwise, by "context|text"; every other text is the game's own.
    std::map<std::string, std::string> translations;
    std::vector<std::string> diaryShown;
    std::function<void()> onDiary;
    int closes = 0;
    std::size_t journalShown = 0; // entries of the journal last shown

    std::string windowCaption;
    std::string name;
    std::int32_t cash = 0;
    std::int32_t debt = 0;
    std::int32_t health = 0;
    std::int32_t deposit = 0;
    int statusShows = 0;
    std::vector<MarketRow> marketRows;
    int marketShows = 0;
    std::vector<CarriedRow> carriedRows;
};

// A generator state from which the next journey brings event `k` (or no event when k < 0).
inline std::uint32_t StateForJourney(int k) {
    for (std::uint32_t s = 1;; ++s) {
        runtime::Random r;
        r.SeedWith(s);
        const bool event = r.RandomBelow(5) == 1;
        if (k < 0 ? !event : (event && r.RandomBelow(31) == k)) {
            return s;
        }
    }
}

// The generator's position one step before `state`: a draw from there leaves it at `state`.
constexpr std::uint32_t StateBefore(std::uint32_t state) {
    // The step's multiplier is odd, so it has an inverse modulo 2^32; Newton's iteration finds
    // it, each round doubling the bits that are right.
    std::uint32_t inverse = runtime::Random::Multiplier;
    for (int i = 0; i < 5; ++i) {
        inverse *= 2u - runtime::Random::Multiplier * inverse;
    }
    return (state - 1u) * inverse;
}

// The first `count` generator states from which the next journey brings event `k`.
inline std::vector<std::uint32_t> StatesForJourney(int k, std::size_t count) {
    std::vector<std::uint32_t> states;
    for (std::uint32_t s = 1; states.size() < count; ++s) {
        runtime::Random r;
        r.SeedWith(s);
        if (r.RandomBelow(5) == 1 && r.RandomBelow(31) == k) {
            states.push_back(s);
        }
    }
    return states;
}

// A started game with a recording view, and the generator it draws from.
struct Fixture {
    FakeView view;
    runtime::Random random;
    Game game{view, random};
    explicit Fixture(std::uint32_t seed = 1) { game.Start(seed); }

    // Puts the game in a changed state without the windows hearing of it, as if the values had
    // always been so: what the view recorded stays as it was.
    template <typename Change> void Edit(Change change) {
        SavedJourney journey = game.Snapshot();
        change(journey.state);
        const FakeView recorded = view;
        game.Resume(journey);
        view = recorded;
    }
    void NextJourney(int event) { random.SeedWith(StateForJourney(event)); }
};

} // namespace tp::game::testing
