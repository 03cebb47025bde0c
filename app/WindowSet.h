// SPDX-License-Identifier: MIT
#pragma once

#include "game/Game.h"
#include "halloffame/HallOfFameStore.h"
#include "ui/WindowView.h"
#include "ui/toolkit/EndOfRun.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace tp::runtime {
class Random;
}

namespace tp::ui {
class DiaryWindow;
class MainWindow;
class ServiceWindow;
class TradeDialog;
} // namespace tp::ui

namespace tp::app {

// One run: its end-of-run state, the game and its four windows, created in their fixed order.
// The main window comes first and the game starts with it; the trade dialog, the diary and
// the service window follow, hidden, once the main window is on its way to the screen.
class WindowSet {
public:
    // The game draws from `random`, seeded by `seed` when given and from the clock otherwise.
    // The hall of fame is kept at `hallOfFamePath`, read and written only when shown.
    WindowSet(runtime::Random& random, std::optional<std::uint32_t> seed,
              const QString& hallOfFamePath = halloffame::HallOfFameStore::DefaultPath());
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    // Shows the main window, installs the game's faces and then creates the three dialogs,
    // hidden: none is needed for the window to be mapped, so it goes to the display first.
    void Show();

    // After the main loop: a run that ended by going home is recorded in the hall of fame,
    // and the main window gives way to the hall of fame's window until the player closes it.
    // Returns whether it was shown.
    bool ShowHallOfFameAfterRun();

    game::Game& Game() { return game_; }
    ui::MainWindow& MainWindow() { return *main_; }
    const ui::EndOfRun& EndOfRun() const { return endOfRun_; }

private:
    void CreateDialogs();

    ui::EndOfRun endOfRun_;
    halloffame::HallOfFameStore hallOfFame_;
    ui::WindowView view_{endOfRun_};
    game::Game game_;
    std::unique_ptr<ui::MainWindow> main_;
};

} // namespace tp::app
