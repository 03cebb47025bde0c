// SPDX-License-Identifier: MIT
#include "ui/toolkit/RowList.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace tp::ui {
namespace {

class RowListTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(400, 200);
        list = new RowList({{u"商品名称"_s, 120}, {u"价格"_s, 32}, {u"数量"_s, 32}}, &window);
        list->setGeometry(0, 0, 186, 121);
        other = new QLineEdit(&window);
        other->setGeometry(200, 0, 100, 20);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void Fill() {
        for (const QStringList& row : {QStringList{u"进口香烟"_s, u"200"_s, u"10"_s},
                                       QStringList{u"走私汽车"_s, u"15000"_s, u"2"_s},
                                       QStringList{u"盗版VCD"_s, u"20"_s, u"50"_s}}) {
            list->addTopLevelItem(new QTreeWidgetItem(row));
        }
    }

    void Select(int row) { list->setCurrentItem(list->topLevelItem(row)); }
    QString Name(int row) const { return list->topLevelItem(row)->text(0); }

    QPoint RowCentre(int row) const {
        return list->visualItemRect(list->topLevelItem(row)).center();
    }

    QWidget window;
    RowList* list = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(RowListTest, RemovingTheSelectedRowLeavesNothingSelected) {
    EXPECT_EQ(list->SelectedRow(), -1);
    Fill();
    list->setFocus();
    EXPECT_EQ(list->SelectedRow(), -1) << "a current row is not a selected row";
    Select(1);
    EXPECT_EQ(list->SelectedRow(), 1);
    list->RemoveRow(1);
    EXPECT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(Name(1), u"盗版VCD"_s) << "later rows move up";
    EXPECT_EQ(list->SelectedRow(), -1) << "no neighbour may inherit the selection";
}

TEST_F(RowListTest, RemovingAnotherRowKeepsTheSelection) {
    Fill();
    Select(2);
    list->RemoveRow(0);
    EXPECT_EQ(list->SelectedRow(), 1);
    EXPECT_EQ(Name(list->SelectedRow()), u"盗版VCD"_s);
}

TEST_F(RowListTest, DoubleClickSelectsTheRowBeforeTheHandlerRuns) {
    Fill();
    Select(0);
    int indexInHandler = -2;
    int calls = 0;
    QObject::connect(list, &RowList::rowActivated, list, [&] {
        ++calls;
        indexInHandler = list->SelectedRow();
    });
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, RowCentre(2));
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(indexInHandler, 2);

    // Below the last row there is no row to act on.
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, QPoint(20, 110));
    EXPECT_EQ(calls, 1);
}

TEST_F(RowListTest, EnterOnASelectedRowActsLikeTheDoubleClick) {
    Fill();
    QSignalSpy spy(list, &RowList::rowActivated);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(spy.count(), 0) << "no row selected yet";
    Select(1);
    QTest::keyClick(list, Qt::Key_Return);
    QTest::keyClick(list, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(spy.count(), 2);
}

TEST_F(RowListTest, KeyboardSelectsRowsFromTheTop) {
    Fill();
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Tab);
    ASSERT_TRUE(list->hasFocus());
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->SelectedRow(), 0) << "the first Down selects the first row";
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(list->SelectedRow(), 1);
    QTest::keyClick(list, Qt::Key_Up);
    EXPECT_EQ(list->SelectedRow(), 0);
}

TEST_F(RowListTest, SelectionIsHighlightedOnlyWhileFocusedButStaysSelected) {
    Fill();
    Select(1);
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
    EXPECT_EQ(list->SelectedRow(), 1);
}

} // namespace
} // namespace tp::ui
