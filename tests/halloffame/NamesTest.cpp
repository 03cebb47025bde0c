// SPDX-License-Identifier: MIT
#include "halloffame/Names.h"

#include <QList>

#include <gtest/gtest.h>

namespace tp::halloffame {
namespace {

const QString Ellipsis = QStringLiteral("…");

// A name built to break things: a right-to-left override, control characters, a lone
// surrogate, emoji with joiners, and far more characters than any line holds.
QString HostileName() {
    QString name = QStringLiteral("\u202E") + QStringLiteral("שלום") + QChar(0x0007) + QChar(0) +
                   QStringLiteral("\n\t") + QChar(0xD800) +
                   QStringLiteral("👨‍👩‍👧‍👦");
    while (name.size() < 10000) {
        name += QStringLiteral("😀مرحبا\u2067x\u202B");
    }
    return name.left(10000);
}

bool HasUnsafeCharacter(const QString& text) {
    for (const char32_t c : text.toUcs4()) {
        const bool control = QChar::category(c) == QChar::Other_Control;
        const bool bidi = c == 0x061C || c == 0x200E || c == 0x200F ||
                          (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
        const bool breaks = c == 0x2028 || c == 0x2029;
        const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
        if (control || bidi || breaks || surrogate) {
            return true;
        }
    }
    return false;
}

TEST(Names, ColumnsCountChineseAndEmojiAsTwoAndMarksAsNone) {
    EXPECT_EQ(DisplayColumns(QStringLiteral("abc")), 3);
    EXPECT_EQ(DisplayColumns(QStringLiteral("小二黑")), 6);
    EXPECT_EQ(DisplayColumns(QStringLiteral("ＡＢ")), 4);
    EXPECT_EQ(DisplayColumns(QStringLiteral("e\u0301")), 1);
    EXPECT_EQ(DisplayColumns(QStringLiteral("😀")), 2);
    EXPECT_EQ(DisplayColumns(QStringLiteral("𠀀")), 2); // beyond the basic plane
}

TEST(Names, StorableNameReplacesLoneSurrogatesAndCutsWithoutSplittingPairs) {
    const QString lone = QStringLiteral("a") + QChar(0xDC00) + QStringLiteral("b") + QChar(0xD800);
    EXPECT_EQ(StorableName(lone), QStringLiteral("a\uFFFDb\uFFFD"));

    QString emoji;
    for (int i = 0; i < 2000; ++i) {
        emoji += QStringLiteral("😀");
    }
    const QString stored = StorableName(emoji);
    EXPECT_EQ(stored.toUcs4().size(), MaxNameCharacters);
    EXPECT_TRUE(stored.back().isLowSurrogate());

    // Control and bidi characters are the player's own; they are kept as typed.
    const QString typed = QStringLiteral("\u202Eabc\u0001");
    EXPECT_EQ(StorableName(typed), typed);
}

TEST(Names, ShownNameIsOneSafeLine) {
    EXPECT_EQ(ShownName(QStringLiteral("小二黑"), 24), QStringLiteral("小二黑"));
    EXPECT_EQ(ShownName(QStringLiteral("a\nb\tc"), 24), QStringLiteral("a b c"));
    EXPECT_EQ(ShownName(QStringLiteral("\u202Eevil\u2066"), 24),
              QStringLiteral("\uFFFDevil\uFFFD"));
    EXPECT_EQ(ShownName(QStringLiteral("x") + QChar(0x1B) + QStringLiteral("[2J"), 24),
              QStringLiteral("x\uFFFD[2J"));

    const QString shown = ShownName(HostileName(), 24);
    EXPECT_FALSE(HasUnsafeCharacter(shown)) << shown.toStdString();
    EXPECT_LE(DisplayColumns(shown), 24);
    EXPECT_TRUE(shown.endsWith(Ellipsis));
    EXPECT_FALSE(shown.contains(QLatin1Char('\n')));
}

TEST(Names, ShownNameCutsBetweenWholeCharacters) {
    // A family emoji is one character built from four emoji and three joiners.
    const QString family = QStringLiteral("👨‍👩‍👧‍👦");
    QString name;
    for (int i = 0; i < 20; ++i) {
        name += family;
    }
    const QString shown = ShownName(name, 9);
    ASSERT_TRUE(shown.endsWith(Ellipsis));
    const QString kept = shown.chopped(Ellipsis.size());
    EXPECT_FALSE(kept.isEmpty());
    EXPECT_EQ(kept.size() % family.size(), 0) << "a family was split";

    const QString chinese = ShownName(QStringLiteral("一二三四五六七八九十"), 9);
    EXPECT_EQ(chinese, QStringLiteral("一二三四…"));
}

TEST(Names, ShownNameLimitsPilesOfCombiningMarks) {
    QString pile = QStringLiteral("a");
    for (int i = 0; i < 500; ++i) {
        pile += QChar(0x0301);
    }
    pile += QStringLiteral("b");
    const QString shown = ShownName(pile, 24);
    EXPECT_LE(shown.count(QChar(0x0301)), 4);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("a")));
}

} // namespace
} // namespace tp::halloffame
