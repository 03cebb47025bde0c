// SPDX-License-Identifier: MIT
#include "ui/toolkit/AmountSpin.h"

#include "tests/ui/toolkit/QtTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyleOptionSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <limits>

using namespace Qt::StringLiterals;

namespace tp::ui {
namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();

TEST(ParseGroupedCount, AcceptsPlainAndCorrectlyGroupedDigitsWithinRange) {
    const QString comma = QStringLiteral(",");
    EXPECT_EQ(ParseGroupedCount(u"0"_s, comma, 100), 0);
    EXPECT_EQ(ParseGroupedCount(u"100"_s, comma, 100), 100);
    EXPECT_EQ(ParseGroupedCount(u" 42 "_s, comma, 100), 42);
    EXPECT_EQ(ParseGroupedCount(u"007"_s, comma, 100), 7);
    EXPECT_EQ(ParseGroupedCount(u"1,000"_s, comma, 100000), 1000);
    EXPECT_EQ(ParseGroupedCount(u"100,000"_s, comma, 100000), 100000);
    EXPECT_EQ(ParseGroupedCount(u"2,147,483,647"_s, comma, kIntMax), kIntMax);
    EXPECT_EQ(ParseGroupedCount(u"2147483647"_s, comma, kIntMax), kIntMax);
    // A separator that is not a comma (some locales group with a narrow no-break space).
    EXPECT_EQ(ParseGroupedCount(u"12\u202f345"_s, u"\u202f"_s, 20000), 12345);
}

TEST(ParseGroupedCount, RejectsEverythingElse) {
    const QString comma = QStringLiteral(",");
    const QStringList hostile{
        u""_s,
        u"   "_s,
        u"abc"_s,
        u"12a"_s,
        u"-1"_s,
        u"+5"_s,
        u"1.5"_s,
        u"1,0"_s,
        u"10,00"_s,
        u",100"_s,
        u"100,"_s,
        u"1,,000"_s,
        u"1000,000"_s,
        u"１２３"_s,
        u"٣"_s,
        u"101"_s,
        u"2147483648"_s,
        u"1 000"_s,
        u"99999999999999999999999"_s,
    };
    for (const QString& text : hostile) {
        EXPECT_FALSE(ParseGroupedCount(text, comma, 100).has_value()) << text.toStdString();
    }
    EXPECT_FALSE(ParseGroupedCount(u"2147483648"_s, comma, kIntMax).has_value());
    EXPECT_FALSE(ParseGroupedCount(QString(10000, u'9'), comma, kIntMax).has_value());
    EXPECT_FALSE(ParseGroupedCount(u"5"_s, comma, -1).has_value());
}

TEST(GroupedText, GroupsInThreesWithTheGivenSeparator) {
    EXPECT_EQ(GroupedText(0, u","_s), u"0"_s);
    EXPECT_EQ(GroupedText(999, u","_s), u"999"_s);
    EXPECT_EQ(GroupedText(1000, u","_s), u"1,000"_s);
    EXPECT_EQ(GroupedText(100000, u","_s), u"100,000"_s);
    EXPECT_EQ(GroupedText(kIntMax, u","_s), u"2,147,483,647"_s);
    EXPECT_EQ(GroupedText(-1234, u","_s), u"-1,234"_s);
    EXPECT_EQ(GroupedText(1234567, u"."_s), u"1.234.567"_s);
}

class AmountSpinTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(200, 60);
        spin = new AmountSpin(&window);
        spin->setObjectName(QStringLiteral("amountSpin"));
        spin->Edit()->setObjectName(QStringLiteral("amountEdit"));
        spin->setGeometry(32, 32, 48, 20);
        other = new QLineEdit(&window);
        other->setGeometry(100, 0, 60, 20);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QString Shown() const { return spin->Edit()->displayText(); }

    // Types `text` over whatever the edit box holds, as the player would: key by key, or
    // committed by an input method for what a keyboard has no key for.
    void Type(const QString& text) {
        spin->setFocus();
        spin->Edit()->selectAll();
        bool ascii = true;
        for (const QChar c : text) {
            ascii = ascii && c.unicode() < 0x80;
        }
        if (ascii) {
            QTest::keyClicks(spin, text);
            return;
        }
        QInputMethodEvent commit;
        commit.setCommitString(text);
        QApplication::sendEvent(spin, &commit);
    }

    QWidget window;
    AmountSpin* spin = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(AmountSpinTest, HoldsTheFull32BitRange) {
    spin->SetMaximum(kIntMax);
    spin->setValue(kIntMax);
    EXPECT_EQ(spin->Amount(), kIntMax);
    EXPECT_EQ(Shown(), u"2,147,483,647"_s);
    spin->stepBy(1);
    EXPECT_EQ(spin->Amount(), kIntMax) << "stepping past the end must stop, not wrap";
    spin->stepBy(10);
    EXPECT_EQ(spin->Amount(), kIntMax);
    spin->stepBy(-1);
    EXPECT_EQ(spin->Amount(), kIntMax - 1);
}

TEST_F(AmountSpinTest, GroupsWithTheLocalesSeparator) {
    const tp::test::ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
    AmountSpin local; // a widget inside `window` would take the window's locale
    local.SetMaximum(2000000);
    local.setValue(1234567);
    EXPECT_EQ(local.Edit()->displayText(), u"1.234.567"_s);
    EXPECT_EQ(local.Amount(), 1234567);
}

TEST_F(AmountSpinTest, NegativeMaxKeepsTheRangeAtZero) {
    spin->SetMaximum(-5);
    EXPECT_EQ(spin->minimum(), 0);
    EXPECT_EQ(spin->maximum(), 0);
    EXPECT_EQ(spin->Amount(), 0);
}

TEST_F(AmountSpinTest, TypedValidNumbersMoveThePosition) {
    spin->SetMaximum(100000);
    spin->setValue(5);
    Type(u"1234"_s);
    EXPECT_EQ(spin->Amount(), 1234);
    EXPECT_EQ(Shown(), u"1,234"_s);
    Type(u"12,345"_s);
    QTest::keyClick(spin, Qt::Key_Return);
    EXPECT_EQ(spin->Amount(), 12345);
    Type(u"100000"_s);
    other->setFocus();
    EXPECT_EQ(spin->Amount(), 100000);
}

TEST_F(AmountSpinTest, TypedGarbageLeavesThePositionAndNeverEscapesTheRange) {
    spin->SetMaximum(5000);
    const QStringList hostile{u"abc"_s, u"-1"_s,         u"-"_s,          u"5001"_s,
                              u"1,0"_s, u"2147483648"_s, u"4294967296"_s, u"１２３"_s,
                              u"12x"_s, u"😀"_s,          u" "_s};
    for (const QString& text : hostile) {
        spin->setValue(321);
        Type(text);
        EXPECT_EQ(Shown(), text) << "typing is never refused, only not taken in";
        EXPECT_EQ(spin->Amount(), 321) << text.toStdString();
        EXPECT_EQ(Shown(), u"321"_s) << "the edit box shows the kept position again";
    }
    // Emptying the box and leaving it.
    spin->setValue(7);
    spin->setFocus();
    spin->Edit()->selectAll();
    QTest::keyClick(spin, Qt::Key_Delete);
    other->setFocus();
    EXPECT_EQ(spin->Amount(), 7);
}

TEST_F(AmountSpinTest, StepAfterTypingTheMaximumDoesNotWrap) {
    spin->SetMaximum(kIntMax);
    spin->setValue(10);
    Type(u"2147483647"_s);
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->Amount(), kIntMax);
}

TEST_F(AmountSpinTest, HugePasteIsHarmless) {
    spin->SetMaximum(kIntMax);
    for (const QString& paste :
         {QString(10000, u'7'), QString(10000, u'x'), QString(10000, u'１')}) {
        spin->setValue(99);
        QApplication::clipboard()->setText(paste);
        spin->setFocus();
        spin->Edit()->selectAll();
        spin->Edit()->paste();
        EXPECT_EQ(spin->Amount(), 99);
        EXPECT_EQ(Shown(), u"99"_s);
    }
}

TEST_F(AmountSpinTest, ReportsEnteringAndLeavingTheEditBox) {
    other->setFocus();
    QSignalSpy entered(spin, &AmountSpin::editEntered);
    QSignalSpy exited(spin, &AmountSpin::editExited);
    spin->setFocus();
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(exited.count(), 0);
    other->setFocus();
    EXPECT_EQ(exited.count(), 1);
}

} // namespace
} // namespace tp::ui
