// SPDX-License-Identifier: MIT
#include "ui/PriceBookWindow.h"

#include "journey/JournalText.h"
#include "ui/Accessibility.h"
#include "ui/DayChart.h"
#include "ui/GameFonts.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tp::ui {

namespace {

enum PriceColumn { GoodColumn, LowestColumn, HighestColumn, LastColumn, PriceColumns };

} // namespace

PriceBookWindow::PriceBookWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("priceBook"));
    setWindowTitle(tr("价格簿"));
    setFont(SongFont());
    auto* layout = new QVBoxLayout(this);

    table_ = new QTableWidget(game::GoodsCount, PriceColumns, this);
    table_->setObjectName(QStringLiteral("priceTable"));
    table_->setHorizontalHeaderLabels({tr("商品"), tr("最低价"), tr("最高价"), tr("最近的价")});
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setWordWrap(false);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    SetAccessibleText(*table_, tr("价格簿"),
                      tr("每种商品这一局见过的最低价、最高价和最近的价，各带日子"));
    for (int row = 0; row < game::GoodsCount; ++row) {
        for (int column = 0; column < PriceColumns; ++column) {
            table_->setItem(row, column, new QTableWidgetItem);
        }
        table_->item(row, GoodColumn)->setText(journey::GoodText(row + 1));
    }
    layout->addWidget(table_);

    chartCaption_ = new QLabel(this);
    chartCaption_->setObjectName(QStringLiteral("chartCaption"));
    layout->addWidget(chartCaption_);
    chart_ = new DayChart(this);
    layout->addWidget(chart_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("关闭"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(table_, &QTableWidget::currentCellChanged, this, [this] { ShowChart(); });
    table_->setCurrentCell(0, GoodColumn);
}

void PriceBookWindow::ShowJournal(std::span<const game::JournalEntry> journal) {
    book_ = game::PriceBook(journal);
    const auto met = [this](const game::PriceMet& price) {
        return tr("%1（第 %2 天）").arg(price.price).arg(price.day);
    };
    for (int row = 0; row < game::GoodsCount; ++row) {
        const game::GoodPrices& good = book_[static_cast<std::size_t>(row)];
        const bool seen = !good.met.empty();
        table_->item(row, LowestColumn)->setText(seen ? met(good.lowest) : tr("还没见过"));
        table_->item(row, HighestColumn)->setText(seen ? met(good.highest) : QString());
        table_->item(row, LastColumn)->setText(seen ? met(good.last) : QString());
        for (const int column : {LowestColumn, HighestColumn, LastColumn}) {
            table_->item(row, column)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    // Every row and column in view, no scrolling: the prices share what the goods leave.
    QHeaderView& header = *table_->horizontalHeader();
    int width = 2 * table_->frameWidth();
    for (int column = 0; column < PriceColumns; ++column) {
        const QAbstractItemView& view = *table_; // where the column's hint is public
        width += std::max(view.sizeHintForColumn(column), header.sectionSizeHint(column));
        header.setSectionResizeMode(column, column == GoodColumn ? QHeaderView::ResizeToContents
                                                                 : QHeaderView::Stretch);
    }
    table_->setMinimumWidth(width);
    table_->setFixedHeight(header.height() + table_->verticalHeader()->length() +
                           2 * table_->frameWidth());
    ShowChart();
}

void PriceBookWindow::ShowChart() {
    const int row = std::max(0, table_->currentRow());
    const QString good = journey::GoodText(row + 1);
    std::vector<DayAmount> prices;
    for (const game::PriceMet& met : book_[static_cast<std::size_t>(row)].met) {
        prices.push_back({met.day, met.price});
    }
    chartCaption_->setText(tr("%1每天的价格：").arg(good));
    chart_->SetPrices(good, std::move(prices));
}

} // namespace tp::ui
