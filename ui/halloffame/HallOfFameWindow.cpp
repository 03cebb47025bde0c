// SPDX-License-Identifier: MIT
#include "ui/halloffame/HallOfFameWindow.h"

#include "halloffame/Names.h"
#include "journey/JournalArchive.h"
#include "ui/Accessibility.h"
#include "ui/DayChart.h"
#include "ui/GameFonts.h"
#include "ui/JournalWindow.h"
#include "ui/WindowParts.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tp::ui {

namespace {

enum Column { RankColumn, NameColumn, AmountColumn, DebtColumn, DateColumn, SeedColumn, Columns };

// Sixteen Chinese characters: longer names are cut with "…" and shown whole in the tooltip.
constexpr int NameColumns = 32;
constexpr int TooltipColumns = 160;
constexpr int SeedRole = Qt::UserRole;
constexpr int JourneyRole = Qt::UserRole + 1;
constexpr int NameRole = Qt::UserRole + 2;

// This run's row keeps its own colours in every theme: dark text on pale gold.
const QColor HighlightBackground(255, 226, 140);
const QColor HighlightText(0, 0, 0);

QString Command(std::uint32_t seed) {
    return QStringLiteral("tidepeddler --seed %1").arg(seed);
}

QStringList Headings() {
    return {QCoreApplication::translate("tp::ui::HallOfFameWindow", "名次"),
            QCoreApplication::translate("tp::ui::HallOfFameWindow", "姓名"),
            QCoreApplication::translate("tp::ui::HallOfFameWindow", "金额"),
            QCoreApplication::translate("tp::ui::HallOfFameWindow", "欠款"),
            QCoreApplication::translate("tp::ui::HallOfFameWindow", "日期"),
            QCoreApplication::translate("tp::ui::HallOfFameWindow", "种子")};
}

QLabel* WrappedLabel(QWidget* parent, const QString& objectName, const QString& text) {
    QLabel* label = PlainLabel(parent, objectName, text);
    label->setWordWrap(true);
    return label;
}

} // namespace

HallOfFameWindow::HallOfFameWindow(const QList<halloffame::Entry>& ranked,
                                   std::optional<ThisRun> thisRun, const QString& problem,
                                   const journey::JournalArchive* journals, QWidget* parent)
    : QDialog(parent), journals_(journals) {
    setObjectName(QStringLiteral("hallOfFame"));
    setWindowTitle(tr("富豪榜"));
    setModal(true);
    setFont(SongFont());

    const int rows = static_cast<int>(std::min<qsizetype>(ranked.size(), ShownRuns));
    const bool inTable = thisRun && thisRun->rank >= 1 && thisRun->rank <= rows;
    const bool below = thisRun && !inTable;

    auto* layout = new QVBoxLayout(this);
    QString summary;
    if (thisRun) {
        summary = inTable ? tr("本次回乡排第 %1 名。").arg(thisRun->rank)
                          : tr("本次回乡排第 %1 名，未进前十。").arg(thisRun->rank);
    } else if (rows > 0) {
        summary = tr("历次回乡的前 %1 名。").arg(rows);
    } else {
        summary = tr("还没有回乡的记录：走完六十天、回到故乡的旅程会记在这里。");
    }
    QLabel* summaryLabel = WrappedLabel(this, QStringLiteral("summary"), summary);
    SetAccessibleText(*summaryLabel, summary);
    layout->addWidget(summaryLabel);
    SetAccessibleText(*this, tr("富豪榜"), summary);

    if (!problem.isEmpty()) {
        QLabel* problemLabel = WrappedLabel(this, QStringLiteral("problem"), problem);
        QFont bold = problemLabel->font();
        bold.setBold(true);
        problemLabel->setFont(bold);
        SetAccessibleText(*problemLabel, tr("提示"), problem);
        layout->addWidget(problemLabel);
    }

    table_ = MakeTable(tr("前十名"), tr("历次回乡的前十名：名次、姓名、金额、欠款、日期和种子"));
    table_->setObjectName(QStringLiteral("table"));
    table_->setRowCount(rows);
    for (int row = 0; row < rows; ++row) {
        AddRow(*table_, row, row + 1, ranked.at(row), inTable && row == thisRun->rank - 1);
    }
    table_->setVisible(rows > 0);
    layout->addWidget(table_);

    if (below) {
        QLabel* caption = WrappedLabel(this, QStringLiteral("thisRunCaption"),
                                       tr("本次成绩（在全部记录中的名次）："));
        layout->addWidget(caption);
        thisRunRow_ = MakeTable(tr("本次成绩"),
                                tr("本次回乡在全部记录中排第 %1 名，未进前十").arg(thisRun->rank));
        thisRunRow_->setObjectName(QStringLiteral("thisRunRow"));
        thisRunRow_->horizontalHeader()->hide();
        thisRunRow_->setRowCount(1);
        AddRow(*thisRunRow_, 0, thisRun->rank, thisRun->entry, true);
        layout->addWidget(thisRunRow_);
    }

    if (thisRun) {
        layout->addSpacing(6);
        QLabel* caption = WrappedLabel(this, QStringLiteral("chartCaption"),
                                       tr("本次每天的身家（现金加存款减欠款）："));
        layout->addWidget(caption);
        chart_ = new DayChart(this);
        chart_->SetWorth(thisRun->dailyWorth);
        layout->addWidget(chart_, 1);
    }

    auto* replay = new QHBoxLayout;
    QLabel* replayLabel = WrappedLabel(this, QStringLiteral("replayLabel"), tr("重玩这一局："));
    replayLabel->setWordWrap(false);
    command_ = new QLineEdit(this);
    command_->setObjectName(QStringLiteral("replayCommand"));
    command_->setReadOnly(true);
    replayLabel->setBuddy(command_);
    SetAccessibleText(*command_, tr("重玩命令"),
                      tr("在终端输入这条命令，可以用同样的种子重玩选中的一局"));
    copy_ = new QPushButton(tr("复制(&C)"), this);
    copy_->setObjectName(QStringLiteral("copyCommand"));
    // Enter closes the window wherever the focus is; Space presses this button.
    copy_->setAutoDefault(false);
    SetAccessibleText(*copy_, tr("复制重玩命令"), tr("把重玩命令复制到剪贴板"));
    copied_ = WrappedLabel(this, QStringLiteral("copied"), QString());
    copied_->setWordWrap(false);
    replay->addWidget(replayLabel);
    replay->addWidget(command_, 1);
    replay->addWidget(copy_);
    replay->addWidget(copied_);
    layout->addLayout(replay);
    copy_->setEnabled(false);
    if (rows == 0 && !below) {
        // Nothing to replay.
        for (QWidget* part : {static_cast<QWidget*>(replayLabel), static_cast<QWidget*>(command_),
                              static_cast<QWidget*>(copy_)}) {
            part->hide();
        }
    }

    auto* buttons = new QHBoxLayout;
    auto* close = new QPushButton(tr("关闭"), this);
    close->setObjectName(QStringLiteral("close"));
    close->setDefault(true);
    SetAccessibleText(*close, tr("关闭"), tr("关闭富豪榜"));
    journal_ = new QPushButton(tr("日志(&J)"), this);
    journal_->setObjectName(QStringLiteral("openJournal"));
    journal_->setAutoDefault(false);
    journal_->setEnabled(false);
    journal_->setVisible(journals_ != nullptr && (rows > 0 || below));
    SetAccessibleText(*journal_, tr("日志"), tr("打开选中的一局的日志"));
    buttons->addWidget(journal_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(journal_, &QPushButton::clicked, this, &HallOfFameWindow::OpenJournal);
    connect(copy_, &QPushButton::clicked, this, &HallOfFameWindow::CopyCommand);
    connect(table_, &QTableWidget::itemSelectionChanged, this,
            [this] { Follow(*table_, thisRunRow_); });
    if (thisRunRow_ != nullptr) {
        connect(thisRunRow_, &QTableWidget::itemSelectionChanged, this,
                [this] { Follow(*thisRunRow_, table_); });
    }
    FitColumns();

    // Start on this run's row, or on the best run.
    QTableWidget* start = thisRunRow_ != nullptr ? thisRunRow_ : table_;
    const int startRow = inTable ? thisRun->rank - 1 : 0;
    if (start->rowCount() > 0) {
        start->setCurrentCell(startRow, RankColumn);
        start->selectRow(startRow);
        start->setFocus(Qt::OtherFocusReason);
    } else {
        close->setFocus(Qt::OtherFocusReason);
    }
}

QTableWidget* HallOfFameWindow::MakeTable(const QString& name, const QString& description) {
    auto* table = new QTableWidget(0, Columns, this);
    table->setHorizontalHeaderLabels(Headings());
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table for the next control instead of walking its cells.
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideRight);
    table->setCornerButtonEnabled(false);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setSectionsClickable(false);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 8);
    SetAccessibleText(*table, name, description);
    return table;
}

void HallOfFameWindow::AddRow(QTableWidget& table, int row, int rank,
                              const halloffame::Entry& entry, bool highlighted) {
    const QString shownName = halloffame::ShownName(entry.name, NameColumns);
    const QString texts[Columns] = {
        QString::number(rank),       shownName,  QString::number(entry.amount),
        QString::number(entry.debt), entry.date, QString::number(entry.seed)};
    for (int column = 0; column < Columns; ++column) {
        auto* item = new QTableWidgetItem(texts[column]);
        const bool number = column == AmountColumn || column == DebtColumn ||
                            column == SeedColumn || column == RankColumn;
        item->setTextAlignment(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
        item->setData(SeedRole, static_cast<qulonglong>(entry.seed));
        item->setData(JourneyRole, entry.journey);
        item->setData(NameRole, entry.name);
        if (highlighted) {
            item->setBackground(HighlightBackground);
            item->setForeground(HighlightText);
            QFont bold = table.font();
            bold.setBold(true);
            item->setFont(bold);
            item->setData(Qt::AccessibleDescriptionRole, tr("本次成绩"));
        }
        table.setItem(row, column, item);
    }
    QTableWidgetItem* name = table.item(row, NameColumn);
    const QString longName = halloffame::ShownName(entry.name, TooltipColumns);
    if (longName != shownName) {
        name->setToolTip(longName);
        name->setData(Qt::AccessibleTextRole, longName);
    }
    table.item(row, RankColumn)->setData(Qt::AccessibleTextRole, tr("第 %1 名").arg(rank));
}

void HallOfFameWindow::FitColumns() {
    // Both tables get the same widths, so this run's row lines up under the table.
    QFont bold = font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    const int padding = 2 * metrics.horizontalAdvance(QLatin1Char(' ')) + 12;
    QList<QTableWidget*> tables{table_};
    if (thisRunRow_ != nullptr) {
        tables << thisRunRow_;
    }
    int fixed = 0;
    for (int column = 0; column < Columns; ++column) {
        if (column == NameColumn) {
            continue;
        }
        int width = metrics.horizontalAdvance(Headings().at(column));
        for (QTableWidget* table : tables) {
            for (int row = 0; row < table->rowCount(); ++row) {
                width =
                    std::max(width, metrics.horizontalAdvance(table->item(row, column)->text()));
            }
        }
        for (QTableWidget* table : tables) {
            table->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Fixed);
            table->setColumnWidth(column, width + padding);
        }
        fixed += width + padding;
    }
    const int nameWidth = metrics.horizontalAdvance(QString(NameColumns / 2, QChar(0x4E00)));
    for (QTableWidget* table : tables) {
        table->horizontalHeader()->setSectionResizeMode(NameColumn, QHeaderView::Stretch);
        const int frame = 2 * table->frameWidth();
        const int header = table->horizontalHeader()->isHidden()
                               ? 0
                               : table->horizontalHeader()->sizeHint().height();
        table->setMinimumWidth(fixed + nameWidth + padding + frame);
        table->setFixedHeight(
            header + table->rowCount() * table->verticalHeader()->defaultSectionSize() + frame);
    }
}

void HallOfFameWindow::Follow(QTableWidget& selected, QTableWidget* other) {
    const QList<QTableWidgetItem*> items = selected.selectedItems();
    if (items.isEmpty()) {
        return;
    }
    if (other != nullptr) {
        other->clearSelection();
    }
    command_->setText(
        Command(static_cast<std::uint32_t>(items.first()->data(SeedRole).toULongLong())));
    copy_->setEnabled(true);
    copied_->clear();
    selectedJourney_ = items.first()->data(JourneyRole).toString();
    selectedName_ = items.first()->data(NameRole).toString();
    journal_->setEnabled(journals_ != nullptr && journals_->Has(selectedJourney_));
}

void HallOfFameWindow::OpenJournal() {
    if (journals_ == nullptr) {
        return;
    }
    const journey::JournalArchive::Read read = journals_->Open(selectedJourney_);
    if (!read.problem.isEmpty() || !read.found) {
        journal_->setEnabled(false);
        QMessageBox::information(this, tr("提示"),
                                 read.found ? read.problem : tr("这一局的日志已经不在了。"));
        return;
    }
    JournalWindow window(tr("%1的日志").arg(halloffame::ShownName(selectedName_, NameColumns)),
                         this);
    window.ShowJournal(read.journal);
    window.exec();
}

QString HallOfFameWindow::ReplayCommand() const {
    return command_->text();
}

void HallOfFameWindow::CopyCommand() {
    if (command_->text().isEmpty()) {
        return;
    }
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(command_->text());
    if (clipboard->supportsSelection()) {
        clipboard->setText(command_->text(), QClipboard::Selection);
    }
    copied_->setText(tr("已复制。"));
    SetAccessibleText(*copied_, tr("已复制到剪贴板"));
}

} // namespace tp::ui
