// SPDX-License-Identifier: MIT
#include "ui/Accessibility.h"
#include "ui/toolkit/AmountSpin.h"
#include "ui/toolkit/ClickableLabel.h"

#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace tp::ui {
namespace {

class LabelTest : public ::testing::Test {
protected:
    void SetUp() override {
        label = new ClickableLabel(u"小二黑"_s, &window);
        label->setGeometry(232, 240, 57, 13);
        other = new QLineEdit(&window);
        other->setGeometry(0, 0, 50, 20);
        window.resize(300, 300);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
    ClickableLabel* label = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(LabelTest, ReportsClicks) {
    QSignalSpy spy(label, &ClickableLabel::Clicked);
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(spy.count(), 1);
    QTest::mouseClick(label, Qt::RightButton);
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(LabelTest, PressOnLabelReleaseElsewhereIsNoClick) {
    QSignalSpy spy(label, &ClickableLabel::Clicked);
    QTest::mousePress(label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(label, Qt::LeftButton, {}, QPoint(200, 200));
    EXPECT_EQ(spy.count(), 0);
}

TEST_F(LabelTest, IsNotInTheTabChain) {
    other->setFocus();
    QTest::keyClick(other, Qt::Key_Tab);
    EXPECT_FALSE(label->hasFocus());
    EXPECT_TRUE(other->hasFocus());
}

// The edit box is what has the focus, so it is what a screen reader announces.
TEST(AmountSpin, ItsEditBoxIsAnnouncedByThePurpose) {
    QWidget window;
    auto* spin = new AmountSpin(&window);
    spin->SetPurpose(u"数量"_s);
    QAccessibleInterface* edit = QAccessible::queryAccessibleInterface(spin->Edit());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(QAccessible::Name), u"数量"_s);
}

} // namespace
} // namespace tp::ui
