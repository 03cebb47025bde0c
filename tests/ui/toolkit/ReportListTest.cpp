// SPDX-License-Identifier: MIT
#include "ui/toolkit/ReportList.h"

#include <QAccessible>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace tp::ui {
namespace {

QIcon SolidIcon(Qt::GlobalColor color) {
    QPixmap pixmap(16, 16);
    pixmap.fill(color);
    return QIcon(pixmap);
}

class ReportListTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(400, 200);
        list = new ReportList(&window);
        list->setGeometry(0, 0, 186, 121);
        list->AddColumn(u"商品名称"_s, 120);
        list->AddColumn(u"价格"_s, 32);
        list->AddColumn(u"数量"_s, 32);
        list->SetImages({SolidIcon(Qt::blue), SolidIcon(Qt::darkGray)});
        other = new QLineEdit(&window);
        other->setGeometry(200, 0, 100, 20);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void Fill() {
        list->AddRow(u"进口香烟"_s, 1, {u"200"_s, u"10"_s});
        list->AddRow(u"走私汽车"_s, 1, {u"15000"_s, u"2"_s});
        list->AddRow(u"盗版VCD"_s, 1, {u"20"_s, u"50"_s});
    }

    QPoint RowCentre(int row) const {
        return list->visualItemRect(list->topLevelItem(row)).center();
    }

    QWidget window;
    ReportList* list = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(ReportListTest, ColumnsHaveTheirCaptionsAndWidths) {
    ASSERT_EQ(list->columnCount(), 3);
    EXPECT_EQ(list->headerItem()->text(0), u"商品名称"_s);
    EXPECT_EQ(list->headerItem()->text(2), u"数量"_s);
    EXPECT_EQ(list->columnWidth(0), 120);
    EXPECT_EQ(list->columnWidth(1), 32);
    EXPECT_FALSE(list->rootIsDecorated());
    EXPECT_FALSE(list->isSortingEnabled());
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(list->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(list->editTriggers(), QAbstractItemView::NoEditTriggers);
}

TEST_F(ReportListTest, RowsKeepTheirOrderTextsAndIcons) {
    Fill();
    ASSERT_EQ(list->Count(), 3);
    EXPECT_EQ(list->Caption(1), u"走私汽车"_s);
    EXPECT_EQ(list->SubItem(1, 0), u"15000"_s);
    EXPECT_EQ(list->SubItem(1, 1), u"2"_s);
    EXPECT_EQ(list->SubItem(2, 1), u"50"_s);
    EXPECT_EQ(list->ImageIndex(0), 1);
    EXPECT_FALSE(list->topLevelItem(0)->icon(0).isNull());
    list->SetSubItem(1, 1, u"7"_s);
    EXPECT_EQ(list->SubItem(1, 1), u"7"_s);
    EXPECT_EQ(list->SubItem(7, 0), QString()) << "a row that is not there reads empty";
    EXPECT_EQ(list->SelectedIndex(), -1) << "added rows are not selected";
    const int added = list->AddRow(u"假白酒"_s, 0, {u"1000"_s});
    EXPECT_EQ(added, 3);
    EXPECT_EQ(list->ImageIndex(3), 0);
}

TEST_F(ReportListTest, ItemIndexIsMinusOneWhenEmptyClearedOrSelectedRowDeleted) {
    EXPECT_EQ(list->SelectedIndex(), -1);
    Fill();
    list->setFocus();
    EXPECT_EQ(list->SelectedIndex(), -1) << "a current row is not a selected row";
    list->SelectRow(1);
    EXPECT_EQ(list->SelectedIndex(), 1);
    list->DeleteRow(1);
    EXPECT_EQ(list->Count(), 2);
    EXPECT_EQ(list->Caption(1), u"盗版VCD"_s) << "later rows move up";
    EXPECT_EQ(list->SelectedIndex(), -1) << "no neighbour may inherit the selection";
    list->SelectRow(0);
    list->Clear();
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(list->SelectedIndex(), -1);
}

TEST_F(ReportListTest, DeletingAnotherRowKeepsTheSelection) {
    Fill();
    list->SelectRow(2);
    list->DeleteRow(0);
    EXPECT_EQ(list->SelectedIndex(), 1);
    EXPECT_EQ(list->Caption(list->SelectedIndex()), u"盗版VCD"_s);
}

TEST_F(ReportListTest, ClickSelectsTheWholeRowAndOnlyOne) {
    Fill();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, RowCentre(1));
    EXPECT_EQ(list->SelectedIndex(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::ControlModifier, RowCentre(2));
    EXPECT_EQ(list->selectedItems().size(), 1);
    EXPECT_EQ(list->SelectedIndex(), 2);
}

TEST_F(ReportListTest, DoubleClickSelectsTheRowBeforeTheHandlerRuns) {
    Fill();
    list->SelectRow(0);
    int indexInHandler = -2;
    int calls = 0;
    QObject::connect(list, &ReportList::RowActivated, list, [&] {
        ++calls;
        indexInHandler = list->SelectedIndex();
    });
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, RowCentre(2));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(indexInHandler, 2);

    // Below the last row there is no row to act on.
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, 110));
    EXPECT_EQ(calls, 1);
}

TEST_F(ReportListTest, EnterOnASelectedRowActsLikeTheDoubleClick) {
    Fill();
    QSignalSpy spy(list, &ReportList::RowActivated);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(spy.count(), 0) << "no row selected yet";
    list->SelectRow(1);
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(spy.count(), 2);
}

TEST_F(ReportListTest, KeyboardSelectsRowsFromTheTop) {
    Fill();
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Tab);
    ASSERT_TRUE(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->SelectedIndex(), 0) << "the first Down selects the first row";
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->SelectedIndex(), 1);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->SelectedIndex(), 0);
}

TEST_F(ReportListTest, SelectionIsHighlightedOnlyWhileFocusedButStaysSelected) {
    Fill();
    list->SelectRow(1);
    const QColor highlight = list->palette().color(QPalette::Active, QPalette::Highlight);
    const QPoint probe = RowCentre(1) + QPoint(30, 0); // inside the price column, past text
    const auto colourAt = [&] { return list->viewport()->grab().toImage().pixelColor(probe); };
    // The style shades the highlight a little; near is close enough.
    const auto near = [](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue()) <
               12;
    };
    list->setFocus();
    ASSERT_TRUE(list->hasFocus());
    EXPECT_TRUE(near(colourAt(), highlight)) << colourAt().name().toStdString();
    other->setFocus();
    ASSERT_FALSE(list->hasFocus());
    EXPECT_FALSE(near(colourAt(), highlight)) << colourAt().name().toStdString();
    EXPECT_EQ(colourAt(), list->palette().color(QPalette::Base));
    EXPECT_EQ(list->SelectedIndex(), 1);
}

TEST_F(ReportListTest, RowsAreReadableByScreenReaders) {
    Fill();
    QTest::qWait(1); // rows are laid out by the event loop, as before any reader asks
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
    ASSERT_NE(iface, nullptr);
    ASSERT_NE(iface->tableInterface(), nullptr);
    EXPECT_EQ(iface->tableInterface()->rowCount(), 3);
    QAccessibleInterface* cell = iface->tableInterface()->cellAt(1, 0);
    ASSERT_NE(cell, nullptr);
    EXPECT_EQ(cell->text(QAccessible::Name), u"走私汽车"_s);
}

} // namespace
} // namespace tp::ui
