// SPDX-License-Identifier: MIT
#pragma once

#include "game/Journal.h"
#include "game/PriceBook.h"

#include <QDialog>

#include <array>
#include <span>

class QLabel;
class QTableWidget;

namespace tp::ui {

class DayChart;

// The price book (价格簿): for each of the fifteen goods the lowest and the highest price met this
// run and the last, each with its day, and a chart of the prices met of the good selected. It is
// read off the run's journal, stays open beside the main window and follows every journey.
class PriceBookWindow : public QDialog {
    Q_OBJECT
public:
    explicit PriceBookWindow(QWidget* parent);

    void ShowJournal(std::span<const game::JournalEntry> journal);

private:
    void ShowChart();

    QTableWidget* table_ = nullptr;
    QLabel* chartCaption_ = nullptr;
    DayChart* chart_ = nullptr;
    std::array<game::GoodPrices, game::GoodsCount> book_;
};

} // namespace tp::ui
