#pragma once

#include "game/GameView.h"

namespace tp::ui {

// Shows what the game asks for in the four windows and the toolkit's message boxes.
class WindowView final : public game::GameView {
public:
    void ShowMessage(std::string_view text) override;
    void MessageBox(std::string_view text, std::string_view caption) override;
    std::string InputBox(std::string_view caption, std::string_view prompt,
                         std::string_view defaultText) override;
    void ShowDiary(std::span<const std::string> lines) override;
    void CloseMainWindow() override;
    std::string CurrentDateText() override;
    void ShowStatus(const game::StatusDisplay& status) override;
    void ShowMarket(std::span<const game::GoodsRecord> market) override;
    void AddCarriedRow(const game::CarriedGoods& row) override;
    void UpdateCarriedRow(int index, const game::CarriedGoods& row) override;
    void RemoveCarriedRow(int index) override;
};

} // namespace tp::ui
