// SPDX-License-Identifier: MIT
#pragma once

#include "app/JourneyKeeping.h"
#include "game/Game.h"
#include "halloffame/HallOfFameStore.h"
#include "journey/JournalArchive.h"
#include "journey/JourneyStore.h"
#include "statistics/StatisticsStore.h"
#include "ui/WindowView.h"
#include "ui/toolkit/EndOfRun.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

namespace tp::runtime {
class Random;
}

namespace tp::ui {
class MainWindow;
} // namespace tp::ui

namespace tp::app {

// Where a run keeps what outlives it: the statistics beside the hall of fame, the journals of
// finished runs beside the journey.
struct Places {
    QString hallOfFame = halloffame::HallOfFameStore::DefaultPath();
    QString journey = journey::JourneyStore::DefaultPath();
};

// One run: its end-of-run state, the game and the main window, which lasts as long as the run
// (the hall of fame's window is made only while it is shown). The game starts with the main
// window, or goes on with the journey saved by an earlier run if the player says so; the main
// window builds its dialogs itself when they are first needed.
class WindowSet {
public:
    // The game draws from `random`, seeded by `seed` when given and from the clock otherwise,
    // unless the player goes on with a saved journey. The hall of fame is read and written only
    // when shown; the journey is read here, and written after every action.
    WindowSet(runtime::Random& random, std::optional<std::uint32_t> seed, Places places = {});
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // Shows the main window, which makes its controls once it is on the display; then the game
    // starts or goes on in it, and the game's faces are installed for its first paint. What the
    // start has to tell the player comes once the main loop runs.
    void Show();

    // After the main loop: a run that ended by going home is recorded in the hall of fame,
    // and the main window gives way to the hall of fame's window until the player closes it.
    // Returns whether it was shown.
    bool ShowHallOfFameAfterRun();

    game::Game& Game() { return game_; }
    ui::MainWindow& MainWindow() { return *main_; }
    const ui::EndOfRun& EndOfRun() const { return endOfRun_; }

private:
    // What the start finds, and asks the player, before any window shows.
    void Prepare();
    // The game goes on with the journey the player chose to go on with, or starts anew.
    void Begin();
    void RecordEndedRun(const game::FinishedRun& run, const QString& id);
    void Tell(const QString& text);

    ui::EndOfRun endOfRun_;
    halloffame::HallOfFameStore hallOfFame_;
    statistics::StatisticsStore statistics_;
    journey::JourneyStore journeys_;
    journey::JournalArchive journals_{journeys_.Path()};
    ui::WindowView view_{endOfRun_};
    JourneyKeeping keeping_{journeys_, journals_, statistics_,
                            [this](const QString& text) { Tell(text); }};
    game::Game game_;
    std::unique_ptr<ui::MainWindow> main_;
    std::optional<std::uint32_t> seed_;
    std::optional<game::SavedJourney> goingOn_; // the saved journey the player goes on with
    QString notice_;                            // what the start found to tell the player
};

} // namespace tp::app
