// SPDX-License-Identifier: MIT
// What a translator writes must still fit where the game keeps it and carry every value the game
// fills in: a goods name longer than a trade's caption holds is cut mid-word, a default name
// longer than the name box holds is cut, and a sentence that loses its %2 loses the sum it
// tells.
#include "game/Catalogue.h"
#include "game/Text.h"
#include "tests/translations/CatalogueMessages.h"
#include "translations/Catalogues.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QTranslator>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tp::translations::EmbeddedCatalogue;

std::vector<tp::testing::CatalogueMessage> MessagesOf(const QString& language) {
    return tp::testing::CatalogueMessages(language);
}

std::size_t GbkBytes(const QString& text) {
    const std::string utf8 = text.toStdString();
    return tp::game::GbkLength(utf8);
}

QSet<QString> PlaceholdersIn(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QSet<QString> found;
    for (const auto& match : placeholder.globalMatch(text)) {
        found.insert(match.captured());
    }
    return found;
}

class EachCatalogue : public testing::TestWithParam<const char*> {
protected:
    QString Language() const { return QString::fromLatin1(GetParam()); }
};

TEST_P(EachCatalogue, NamesEveryGoodWithinWhatATradesCaptionHolds) {
    const auto catalogue = EmbeddedCatalogue(Language());
    ASSERT_NE(catalogue, nullptr);
    for (const auto& entry : tp::game::Catalogue) {
        const std::string source(entry.name);
        const QString name = catalogue->translate("Goods", source.c_str());
        EXPECT_FALSE(name.isEmpty()) << source;
        EXPECT_LE(GbkBytes(name), 20U) << source << " is called " << name.toStdString();
    }
}

TEST_P(EachCatalogue, NamesThePlayerWithinWhatTheNameBoxHolds) {
    const auto catalogue = EmbeddedCatalogue(Language());
    ASSERT_NE(catalogue, nullptr);
    for (const char* source : {"路人甲", "小二黑"}) {
        const QString name = catalogue->translate("Game", source);
        EXPECT_FALSE(name.isEmpty()) << source;
        EXPECT_LE(GbkBytes(name), 11U) << source << " is called " << name.toStdString();
    }
}

TEST_P(EachCatalogue, KeepsEveryValueTheGameFillsIn) {
    const auto messages = MessagesOf(Language());
    ASSERT_GT(messages.size(), 200U);
    for (const auto& message : messages) {
        EXPECT_EQ(PlaceholdersIn(message.translation), PlaceholdersIn(message.source))
            << message.context.toStdString() << ": " << message.source.toStdString();
        // A window's shortcut marker must mark one letter, or the label shows a stray "&".
        EXPECT_LE(message.translation.count(QLatin1Char('&')) -
                      message.translation.count(QStringLiteral("&&")) * 2,
                  1)
            << message.translation.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, EachCatalogue, testing::Values("en", "zh_TW"));

// Only the game's own name may stand in Chinese, beside its English one.
TEST(EnglishCatalogue, SaysNothingInChineseButTheGamesName) {
    static const QRegularExpression chinese(
        QStringLiteral("[\\x{4E00}-\\x{9FFF}\\x{3000}-\\x{303F}]"));
    for (const auto& message : MessagesOf(QStringLiteral("en"))) {
        QString translation = message.translation;
        translation.remove(QStringLiteral("潮汐货郎"));
        EXPECT_FALSE(chinese.match(translation).hasMatch())
            << message.context.toStdString() << ": " << message.translation.toStdString();
    }
}

// Each character a Traditional text uses that the converter would write otherwise is a Simplified
// form a Taiwanese reader would stumble on, except where Taiwan itself writes the plainer form.
TEST(TraditionalCatalogue, WritesNoSimplifiedCharacter) {
    const QSet<QChar> taiwanWritesSo = {QChar(0x5403) /* 吃, not 喫 */};
    QString characters;
    for (const auto& message : MessagesOf(QStringLiteral("zh_TW"))) {
        for (const QChar c : message.translation) {
            if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF && !characters.contains(c)) {
                characters += c;
            }
        }
    }
    ASSERT_GT(characters.size(), 300);
    QProcess converter;
    converter.start(QStringLiteral("opencc"), {QStringLiteral("-c"), QStringLiteral("s2t")});
    ASSERT_TRUE(converter.waitForStarted()) << "opencc is not installed";
    // One to a line, so that no two read as a phrase the converter writes otherwise.
    QStringList lines;
    for (const QChar c : characters) {
        lines += QString(c);
    }
    converter.write(lines.join(QLatin1Char('\n')).toUtf8());
    converter.closeWriteChannel();
    ASSERT_TRUE(converter.waitForFinished());
    const QStringList converted =
        QString::fromUtf8(converter.readAllStandardOutput()).trimmed().split(QLatin1Char('\n'));
    ASSERT_EQ(converted.size(), lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (converted[i] != lines[i] && !taiwanWritesSo.contains(lines[i][0])) {
            ADD_FAILURE() << lines[i].toStdString() << " is written " << converted[i].toStdString()
                          << " in Traditional";
        }
    }
}

} // namespace
