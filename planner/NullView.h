// SPDX-License-Identifier: MIT
#pragma once

#include "game/GameView.h"

#include <string>

namespace tp::planner {

// A view that shows nothing and answers every question as a player who types nothing would: the
// planner plays runs through the rules with no window.
class NullView final : public game::GameView {
public:
    void Tell(std::string_view) override {}
    void Inform(std::string_view, std::string_view) override {}
    std::string AskText(std::string_view, std::string_view, std::string_view answer) override {
        return std::string(answer);
    }
    void ShowDiary(std::span<const std::string>) override {}
    void CloseMainWindow() override {}
    std::string CurrentDateText() override { return {}; }
    std::string_view Translated(std::string_view, std::string_view text) override { return text; }
    void ShowStatus(const game::StatusDisplay&) override {}
    void ShowMarket(std::span<const game::GoodsRecord>) override {}
    void ShowCarriedRows(std::span<const game::CarriedGoods>) override {}
    void AddCarriedRow(const game::CarriedGoods&) override {}
    void UpdateCarriedRow(int, const game::CarriedGoods&) override {}
    void RemoveCarriedRow(int) override {}
    void ShowJournal(std::span<const game::JournalEntry>) override {}
};

} // namespace tp::planner
