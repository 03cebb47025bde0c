#pragma once

#include "game/Game.h"
#include "ui/WindowView.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace tp::ui {
class TForm1;
}

namespace tp::app {

// The game and its four windows, created in their fixed order: the main window first (its
// creation starts the game), then the trade dialog, the diary and the service window, hidden.
class WindowSet {
public:
    explicit WindowSet(std::optional<std::uint32_t> seed);

    // Shows the main window, installs the game's faces and then creates the three dialogs,
    // hidden: neither is needed for the window to be mapped, so it goes to the display first.
    void Show();
    ~WindowSet();
    WindowSet(const WindowSet&) = delete;
    WindowSet& operator=(const WindowSet&) = delete;

    game::Game& Game() { return game_; }

private:
    void CreateDialogs();

    ui::WindowView view_;
    game::Game game_{view_};
    std::unique_ptr<ui::TForm1> main_;
};

} // namespace tp::app
