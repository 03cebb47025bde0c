// SPDX-License-Identifier: MIT
#include "ui/toolkit/DateText.h"

#include "tests/ui/toolkit/QtTestSupport.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace tp::ui {
namespace {

TEST(ShortDateText, CLocaleHasNoPatternAndGetsMonthDayTwoDigitYear) {
    EXPECT_EQ(ShortDateText(QDate(2026, 12, 8), QLocale::c()), u"12/8/26"_s);
    EXPECT_EQ(ShortDateText(QDate(2026, 1, 5), QLocale::c()), u"1/5/26"_s);
    EXPECT_EQ(ShortDateText(QDate(2009, 10, 31), QLocale::c()), u"10/31/09"_s);
    EXPECT_EQ(ShortDateText(QDate(2026, 1, 5), QLocale(u"C"_s)), u"1/5/26"_s);
}

TEST(ShortDateText, FollowsTheLocalesShortFormat) {
    const QLocale china(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
    EXPECT_EQ(ShortDateText(QDate(2026, 12, 8), china), u"2026/12/8"_s);
    EXPECT_EQ(ShortDateText(QDate(2026, 1, 5), china), u"2026/1/5"_s);
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    EXPECT_EQ(ShortDateText(QDate(2026, 12, 8), us), u"12/8/26"_s);
    const QLocale germany(QLocale::German, QLocale::Germany);
    EXPECT_EQ(ShortDateText(QDate(2026, 12, 8), germany), u"08.12.26"_s);
}

TEST(CurrentDateText, IsTodayInTheDefaultLocale) {
    const tp::test::ScopedLocale china(
        QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China));
    const QDate before = QDate::currentDate();
    const QString text = CurrentDateText();
    const QDate after = QDate::currentDate();
    const QString expected = before.toString(u"yyyy/M/d");
    EXPECT_TRUE(text == expected || text == after.toString(u"yyyy/M/d")) << text.toStdString();
}

TEST(CurrentDateText, CarriesNoTimeOfDay) {
    const tp::test::ScopedLocale c(QLocale::c());
    EXPECT_FALSE(CurrentDateText().contains(u':'));
    EXPECT_EQ(CurrentDateText().count(u'/'), 2);
}

} // namespace
} // namespace tp::ui
