// SPDX-License-Identifier: MIT
#include "ui/toolkit/Accessibility.h"
#include "ui/toolkit/AmountSpin.h"
#include "ui/toolkit/ClickableLabel.h"
#include "ui/toolkit/RadioButton.h"
#include "ui/toolkit/SystemColors.h"

#include <QAccessible>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace tp::ui {
namespace {

class RadioButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        box = new QGroupBox(&window);
        box->setGeometry(0, 0, 200, 100);
        deposit = new RadioButton(u"存款"_s, box);
        deposit->setGeometry(40, 20, 60, 17);
        withdraw = new RadioButton(u"取款"_s, box);
        withdraw->setGeometry(104, 20, 60, 17);
        deposit->SetChecked(true);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        depositSpy = std::make_unique<QSignalSpy>(deposit, &RadioButton::BecameChecked);
        withdrawSpy = std::make_unique<QSignalSpy>(withdraw, &RadioButton::BecameChecked);
    }

    QWidget window;
    QGroupBox* box = nullptr;
    RadioButton* deposit = nullptr;
    RadioButton* withdraw = nullptr;
    std::unique_ptr<QSignalSpy> depositSpy;
    std::unique_ptr<QSignalSpy> withdrawSpy;
};

TEST_F(RadioButtonTest, SettingFromCodeFiresOnlyWhenItBecomesChecked) {
    deposit->SetChecked(true);
    EXPECT_EQ(depositSpy->count(), 0) << "already checked: no handler";
    withdraw->SetChecked(true);
    EXPECT_EQ(withdrawSpy->count(), 1);
    EXPECT_FALSE(deposit->Checked()) << "the other button of the panel is unchecked";
    EXPECT_EQ(depositSpy->count(), 0) << "becoming unchecked fires nothing";
    deposit->SetChecked(true);
    EXPECT_EQ(depositSpy->count(), 1);
    EXPECT_EQ(withdrawSpy->count(), 1);
}

TEST_F(RadioButtonTest, ClicksFireOnlyWhenTheButtonWasNotChecked) {
    QTest::mouseClick(deposit, Qt::LeftButton);
    EXPECT_EQ(depositSpy->count(), 0);
    QTest::mouseClick(withdraw, Qt::LeftButton);
    EXPECT_EQ(withdrawSpy->count(), 1);
    EXPECT_TRUE(withdraw->Checked());
    QTest::mouseClick(withdraw, Qt::LeftButton);
    EXPECT_EQ(withdrawSpy->count(), 1);
    EXPECT_TRUE(withdraw->Checked()) << "a click never unchecks a radio button";
}

TEST_F(RadioButtonTest, HandlerSeesTheNewState) {
    bool depositCheckedInHandler = true;
    QObject::connect(withdraw, &RadioButton::BecameChecked, withdraw,
                     [&] { depositCheckedInHandler = deposit->Checked(); });
    withdraw->SetChecked(true);
    EXPECT_FALSE(depositCheckedInHandler);
}

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

TEST(SystemColors, FollowThePalette) {
    QPalette light;
    light.setColor(QPalette::Button, QColor(0xf0, 0xf0, 0xf0));
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::WindowText, Qt::black);
    light.setColor(QPalette::Link, Qt::blue);
    QPalette dark;
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x80, 0xb0, 0xff));
    EXPECT_EQ(ColorOf(SystemColor::BtnFace, light), QColor(0xf0, 0xf0, 0xf0));
    EXPECT_EQ(ColorOf(SystemColor::BtnFace, dark), QColor(0x35, 0x35, 0x35));
    EXPECT_EQ(ColorOf(SystemColor::Window, dark), QColor(0x20, 0x20, 0x20));
    EXPECT_EQ(ColorOf(SystemColor::Background, light), QColor(Qt::blue));
    EXPECT_EQ(ColorOf(SystemColor::Background, dark), QColor(0x80, 0xb0, 0xff));
    EXPECT_EQ(ColorOf(SystemColor::Window), QApplication::palette().color(QPalette::Base));
}

// A colour given to one role of a widget stays through a change of theme; the widget's other
// roles follow the new theme.
TEST(SystemColors, AColourSetOnOneRoleOutlivesAThemeChange) {
    const QPalette before = QApplication::palette();
    QWidget window;
    auto* widget = new QWidget(&window);
    SetPaletteColor(*widget, QPalette::WindowText, kLime);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    QPalette dark = before;
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    QApplication::setPalette(dark);
    QCoreApplication::processEvents(); // the change reaches the widgets through the event loop
    const QColor text = widget->palette().color(QPalette::WindowText);
    const QColor ground = widget->palette().color(QPalette::Window);
    QApplication::setPalette(before);

    EXPECT_EQ(text, kLime);
    EXPECT_EQ(ground, QColor(0x35, 0x35, 0x35));
}

TEST(Accessibility, NamesAndDescriptionsReachTheScreenReader) {
    QWidget window;
    auto* money = new ClickableLabel(u"2000"_s, &window);
    SetAccessibleText(*money, u"现金"_s, u"手上的现金"_s);
    auto* spin = new AmountSpin(&window);
    SetAccessibleText(*spin, u"数量"_s);
    QAccessibleInterface* label = QAccessible::queryAccessibleInterface(money);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(QAccessible::Name), u"现金"_s);
    EXPECT_EQ(label->text(QAccessible::Description), u"手上的现金"_s);
    QAccessibleInterface* edit = QAccessible::queryAccessibleInterface(spin->Edit());
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(QAccessible::Name), u"数量"_s);
}

} // namespace
} // namespace tp::ui
