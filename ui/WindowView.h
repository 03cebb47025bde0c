// SPDX-License-Identifier: MIT
#pragma once

#include "game/GameView.h"
#include "ui/Messages.h"

#include <map>
#include <string>
#include <utility>

namespace tp::ui {

class EndOfRun;
class MainWindow;

// Shows what the game asks for in the main window, which it is given before the game starts,
// and in the game's message boxes. It only turns the game's texts and figures into the
// window's own; what each control shows is the window's business.
class WindowView final : public game::GameView {
public:
    explicit WindowView(EndOfRun& endOfRun) : endOfRun_(endOfRun) {}

    void SetMainWindow(MainWindow& main);

    void Tell(std::string_view text) override;
    void Inform(std::string_view text, std::string_view caption) override;
    std::string AskText(std::string_view caption, std::string_view prompt,
                        std::string_view defaultText) override;
    void ShowDiary(std::span<const std::string> lines) override;
    void CloseMainWindow() override;
    std::string CurrentDateText() override;
    std::string_view Translated(std::string_view context, std::string_view text) override;
    void ShowStatus(const game::StatusDisplay& status) override;
    void ShowMarket(std::span<const game::GoodsRecord> market) override;
    void ShowCarriedRows(std::span<const game::CarriedGoods> rows) override;
    void AddCarriedRow(const game::CarriedGoods& row) override;
    void UpdateCarriedRow(int index, const game::CarriedGoods& row) override;
    void RemoveCarriedRow(int index) override;
    void ShowJournal(std::span<const game::JournalEntry> journal) override;

private:
    EndOfRun& endOfRun_;
    MainWindow* main_ = nullptr;
    Messages boxes_{endOfRun_, nullptr};
    // The texts the catalogue gave in another language than the game's own, by context and text.
    std::map<std::pair<std::string, std::string>, std::string> translations_;
};

} // namespace tp::ui
