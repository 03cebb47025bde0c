// SPDX-License-Identifier: MIT
#include "ui/halloffame/HallOfFameWindow.h"

#include "halloffame/Names.h"
#include "tests/ui/halloffame/WindowTestData.h"
#include "ui/DayChart.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace tp::ui {
namespace {

using fametest::Entry;
using fametest::HostileName;
using fametest::Ranked;
using fametest::Worth;

template <typename T> T* Find(QWidget& window, const char* name) {
    return window.findChild<T*>(QString::fromLatin1(name));
}

bool Highlighted(const QTableWidget& table, int row) {
    for (int column = 0; column < table.columnCount(); ++column) {
        const QTableWidgetItem* item = table.item(row, column);
        if (item->background().style() == Qt::NoBrush || !item->font().bold()) {
            return false;
        }
    }
    return true;
}

QList<int> SelectedRows(const QTableWidget& table) {
    QList<int> rows;
    for (const QModelIndex& index : table.selectionModel()->selectedRows()) {
        rows << index.row();
    }
    return rows;
}

void Show(QWidget& window) {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
}

ThisRun ThisRunOf(const halloffame::Entry& entry, int rank) {
    return ThisRun{entry, rank, Worth()};
}

TEST(HallOfFameWindow, ThisRunInTheTopTenIsHighlightedSelectedAndFocused) {
    QList<halloffame::Entry> ranked = Ranked(14);
    const halloffame::Entry mine = Entry(QStringLiteral("我"), 760000, 424242);
    ranked.insert(2, mine);
    HallOfFameWindow window(ranked, ThisRunOf(mine, 3));
    Show(window);

    EXPECT_TRUE(window.isModal());
    auto* table = Find<QTableWidget>(window, "table");
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 10);
    for (int row = 0; row < 10; ++row) {
        EXPECT_EQ(Highlighted(*table, row), row == 2) << row;
        EXPECT_EQ(table->item(row, 0)->text(), QString::number(row + 1));
    }
    EXPECT_EQ(table->item(2, 1)->text(), QStringLiteral("我"));
    EXPECT_EQ(table->item(2, 2)->text(), QStringLiteral("760000"));
    EXPECT_EQ(table->item(2, 5)->text(), QStringLiteral("424242"));
    EXPECT_EQ(SelectedRows(*table), QList<int>{2});
    EXPECT_EQ(table->currentRow(), 2);
    EXPECT_EQ(window.focusWidget(), table);
    EXPECT_EQ(Find<QTableWidget>(window, "thisRunRow"), nullptr);
    EXPECT_TRUE(Find<QLabel>(window, "summary")->text().contains(QStringLiteral("第 3 名")));
    EXPECT_EQ(window.ReplayCommand(), QStringLiteral("tidepeddler --seed 424242"));
    // No scroll bars: all ten rows are in view.
    EXPECT_EQ(table->rowAt(table->viewport()->height() - 1), 9);
}

TEST(HallOfFameWindow, ThisRunBelowTheTenIsShownUnderTheTableWithItsRank) {
    QList<halloffame::Entry> ranked = Ranked(40);
    const halloffame::Entry mine = Entry(QStringLiteral("落后者"), -2000, 99, 3000);
    HallOfFameWindow window(ranked, ThisRunOf(mine, 41));
    Show(window);

    auto* table = Find<QTableWidget>(window, "table");
    auto* below = Find<QTableWidget>(window, "thisRunRow");
    ASSERT_NE(below, nullptr);
    EXPECT_TRUE(below->isVisible());
    EXPECT_EQ(table->rowCount(), 10);
    for (int row = 0; row < 10; ++row) {
        EXPECT_FALSE(Highlighted(*table, row)) << row;
    }
    ASSERT_EQ(below->rowCount(), 1);
    EXPECT_TRUE(Highlighted(*below, 0));
    EXPECT_EQ(below->item(0, 0)->text(), QStringLiteral("41"));
    EXPECT_EQ(below->item(0, 1)->text(), QStringLiteral("落后者"));
    EXPECT_EQ(below->item(0, 2)->text(), QStringLiteral("-2000"));
    EXPECT_EQ(below->item(0, 3)->text(), QStringLiteral("3000"));
    EXPECT_EQ(window.focusWidget(), below);
    EXPECT_TRUE(table->selectedItems().isEmpty());
    EXPECT_EQ(window.ReplayCommand(), QStringLiteral("tidepeddler --seed 99"));

    // Under the table, and its columns line up with the table's.
    EXPECT_GT(below->mapTo(&window, QPoint(0, 0)).y(),
              table->mapTo(&window, QPoint(0, table->height())).y() - 1);
    for (int column = 0; column < table->columnCount(); ++column) {
        EXPECT_EQ(below->columnViewportPosition(column), table->columnViewportPosition(column));
        EXPECT_EQ(below->columnWidth(column), table->columnWidth(column));
    }
    EXPECT_TRUE(Find<QLabel>(window, "summary")->text().contains(QStringLiteral("第 41 名")));

    // Picking a row of the table moves the selection and the command there.
    table->selectRow(4);
    EXPECT_TRUE(below->selectedItems().isEmpty());
    EXPECT_EQ(window.ReplayCommand(), QStringLiteral("tidepeddler --seed 1004"));
}

TEST(HallOfFameWindow, WithoutThisRunTheBestRowIsSelectedAndThereIsNoChart) {
    HallOfFameWindow window(Ranked(5));
    Show(window);
    auto* table = Find<QTableWidget>(window, "table");
    EXPECT_EQ(table->rowCount(), 5);
    EXPECT_EQ(SelectedRows(*table), QList<int>{0});
    EXPECT_EQ(window.focusWidget(), table);
    for (int row = 0; row < 5; ++row) {
        EXPECT_FALSE(Highlighted(*table, row));
    }
    EXPECT_EQ(window.findChild<DayChart*>(), nullptr);
    EXPECT_EQ(Find<QTableWidget>(window, "thisRunRow"), nullptr);
    EXPECT_EQ(Find<QLabel>(window, "problem"), nullptr);
}

TEST(HallOfFameWindow, AnEmptyTableSaysSoAndTheProblemIsShown) {
    const QString problem = QStringLiteral("本次成绩未能保存：保存排行榜的文件夹不可写。");
    HallOfFameWindow window({}, std::nullopt, problem);
    Show(window);
    EXPECT_FALSE(Find<QTableWidget>(window, "table")->isVisible());
    EXPECT_TRUE(Find<QLabel>(window, "summary")->text().contains(QStringLiteral("还没有")));
    auto* shown = Find<QLabel>(window, "problem");
    ASSERT_NE(shown, nullptr);
    EXPECT_TRUE(shown->isVisible());
    EXPECT_EQ(shown->text(), problem);
    EXPECT_EQ(window.focusWidget(), Find<QPushButton>(window, "close"));
    EXPECT_FALSE(Find<QLineEdit>(window, "replayCommand")->isVisible());
}

TEST(HallOfFameWindow, EnterAndEscCloseFromEveryControl) {
    const halloffame::Entry mine = Entry(QStringLiteral("我"), 900001, 5);
    QList<halloffame::Entry> ranked = Ranked(12);
    ranked.prepend(mine);
    for (const char* start : {"table", "replayCommand", "copyCommand", "worthChart", "close"}) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            HallOfFameWindow window(ranked, ThisRunOf(mine, 1));
            Show(window);
            QWidget* control = Find<QWidget>(window, start);
            ASSERT_NE(control, nullptr) << start;
            control->setFocus();
            QTest::keyClick(control, key);
            EXPECT_FALSE(window.isVisible()) << start << " key " << key;
            EXPECT_EQ(window.result(),
                      key == Qt::Key_Escape ? QDialog::Rejected : QDialog::Accepted)
                << start;
        }
    }
}

TEST(HallOfFameWindow, TheReplayCommandCanBeSelectedAndCopied) {
    HallOfFameWindow window(Ranked(10));
    Show(window);
    auto* table = Find<QTableWidget>(window, "table");
    auto* command = Find<QLineEdit>(window, "replayCommand");
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Down);
    QTest::keyClick(table, Qt::Key_Down);
    EXPECT_EQ(SelectedRows(*table), QList<int>{2});
    EXPECT_EQ(command->text(), QStringLiteral("tidepeddler --seed 1002"));

    EXPECT_TRUE(command->isReadOnly());
    EXPECT_NE(command->focusPolicy(), Qt::NoFocus);
    command->setFocus();
    QTest::keyClick(command, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(command->selectedText(), QStringLiteral("tidepeddler --seed 1002"));

    QApplication::clipboard()->setText(QStringLiteral("before"));
    QTest::mouseClick(Find<QPushButton>(window, "copyCommand"), Qt::LeftButton);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("tidepeddler --seed 1002"));
    EXPECT_TRUE(window.isVisible());
}

TEST(HallOfFameWindow, AHostileNameStaysOnOneLineAndKeepsTheLayout) {
    QList<halloffame::Entry> ranked = Ranked(11);
    const halloffame::Entry hostile = Entry(HostileName(), 999999, 7);
    ranked.prepend(hostile);
    HallOfFameWindow window(ranked, ThisRunOf(hostile, 1));
    Show(window);
    auto* table = Find<QTableWidget>(window, "table");
    const QString shown = table->item(0, 1)->text();
    EXPECT_LE(halloffame::DisplayColumns(shown), 32);
    EXPECT_TRUE(shown.endsWith(QStringLiteral("…")));
    for (const char32_t c : shown.toUcs4()) {
        EXPECT_NE(QChar::category(c), QChar::Other_Control) << std::hex << static_cast<unsigned>(c);
        EXPECT_FALSE(c == 0x202E || c == 0x202B || c == 0x2067 || (c >= 0xD800 && c <= 0xDFFF))
            << std::hex << static_cast<unsigned>(c);
    }
    EXPECT_EQ(table->rowHeight(0), table->rowHeight(1));
    EXPECT_EQ(table->rowHeight(0), table->verticalHeader()->defaultSectionSize());
    // Same width as with an ordinary name in its place.
    QList<halloffame::Entry> plain = ranked;
    plain[0].name = QStringLiteral("小二黑");
    HallOfFameWindow ordinary(plain, ThisRunOf(plain[0], 1));
    Show(ordinary);
    EXPECT_EQ(window.width(), ordinary.width());
    EXPECT_EQ(window.height(), ordinary.height());
}

TEST(HallOfFameWindow, EveryFocusableControlHasAnAccessibleName) {
    QList<halloffame::Entry> ranked = Ranked(20);
    const halloffame::Entry mine = Entry(QStringLiteral("我"), 1, 3);
    HallOfFameWindow window(ranked, ThisRunOf(mine, 21), QStringLiteral("原排行榜文件已损坏。"));
    Show(window);
    int focusable = 0;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!widget->isVisible() || !widget->isEnabled() ||
            (widget->focusPolicy() & Qt::TabFocus) == 0) {
            continue;
        }
        ++focusable;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(accessible, nullptr) << widget->objectName().toStdString();
        EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty())
            << widget->metaObject()->className() << " " << widget->objectName().toStdString();
    }
    // The table, this run's row, the chart, the command, copy and close.
    EXPECT_EQ(focusable, 6);

    auto* chart = window.findChild<DayChart*>();
    ASSERT_NE(chart, nullptr);
    EXPECT_FALSE(
        QAccessible::queryAccessibleInterface(chart)->text(QAccessible::Description).isEmpty());
    auto* problem = Find<QLabel>(window, "problem");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(problem)->text(QAccessible::Description),
              QStringLiteral("原排行榜文件已损坏。"));
    // This run's row says so to a screen reader, not only by its colour.
    auto* below = Find<QTableWidget>(window, "thisRunRow");
    EXPECT_EQ(below->item(0, 1)->data(Qt::AccessibleDescriptionRole).toString(),
              QStringLiteral("本次成绩"));
}

} // namespace
} // namespace tp::ui
