// SPDX-License-Identifier: MIT
#include "ui/toolkit/ApplicationTitle.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace tp::ui {
namespace {

TEST(ApplicationTitle, FileNameCutAtTheFirstDotWithTheRestLowerCased) {
    EXPECT_EQ(ApplicationTitleFor(u"/usr/bin/tidepeddler"_s), u"tidepeddler"_s);
    EXPECT_EQ(ApplicationTitleFor(u"tidepeddler"_s), u"tidepeddler"_s);
    EXPECT_EQ(ApplicationTitleFor(u"/opt/Tide.Peddler.bin"_s), u"Tide"_s);
    EXPECT_EQ(ApplicationTitleFor(u"TIDEPEDDLER"_s), u"Tidepeddler"_s);
    EXPECT_EQ(ApplicationTitleFor(u"/a.b/c/TidePeddler.EXE"_s), u"Tidepeddler"_s)
        << "dots in directories do not count";
    EXPECT_EQ(ApplicationTitleFor(u"C:\\Games\\TIDE.EXE"_s), u"Tide"_s);
    EXPECT_EQ(ApplicationTitleFor(u"/usr/bin/潮汐ABC"_s), u"潮汐abc"_s);
    EXPECT_EQ(ApplicationTitleFor(u"/usr/bin/.hidden"_s), QString());
    EXPECT_EQ(ApplicationTitleFor(QString()), QString());
}

TEST(ApplicationTitle, OfTheRunningProgram) {
    // This binary is tp_toolkit_tests.
    EXPECT_EQ(ApplicationTitle(), u"tp_toolkit_tests"_s);
}

} // namespace
} // namespace tp::ui
