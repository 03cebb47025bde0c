// SPDX-License-Identifier: MIT
#include "app/Language.h"

#include <QTranslator>

#include <gtest/gtest.h>

namespace tp::app {
namespace {

struct Preference {
    const char* uiLanguages; // as QLocale::uiLanguages() lists them for a locale
    Language expected;
};

class LanguageForLocale : public ::testing::TestWithParam<Preference> {};

TEST_P(LanguageForLocale, IsTheFirstOfTheUsersLanguagesTheGameSpeaks) {
    const QStringList languages =
        QString::fromLatin1(GetParam().uiLanguages).split(QLatin1Char(','), Qt::SkipEmptyParts);
    EXPECT_EQ(LanguageFor(languages), GetParam().expected) << GetParam().uiLanguages;
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LanguageForLocale,
    ::testing::Values(
        // Chinese in Simplified script, and the C and POSIX locales: the game as it is.
        Preference{"zh-CN,zh-Hans-CN,zh", Language::Simplified},
        Preference{"zh-SG,zh-Hans-SG", Language::Simplified},
        Preference{"zh-Hans", Language::Simplified}, Preference{"zh", Language::Simplified},
        Preference{"C", Language::Simplified}, Preference{"POSIX", Language::Simplified},
        // Chinese in Traditional script.
        Preference{"zh-TW,zh-Hant-TW", Language::Traditional},
        Preference{"zh-HK,zh-Hant-HK", Language::Traditional},
        Preference{"zh-MO,zh-Hant-MO", Language::Traditional},
        Preference{"zh-Hant", Language::Traditional},
        // English, and every other language.
        Preference{"en-US,en-Latn-US,en", Language::English},
        Preference{"de-DE,de-Latn-DE,de", Language::English},
        Preference{"ja-JP,ja-Jpan-JP,ja", Language::English}, Preference{"", Language::English},
        // LANGUAGE lists several: the first the game speaks wins.
        Preference{"de,zh-TW,zh-Hant-TW", Language::Traditional},
        Preference{"fr,en,zh-CN", Language::English},
        Preference{"en,en-Latn-US,en-US,zh-CN", Language::English},
        Preference{"zh-TW,zh-Hant-TW,en,en-Latn-US,en-US", Language::Traditional}));

TEST(Catalogue, EachLanguageButTheGamesOwnHasOneEmbedded) {
    EXPECT_EQ(CatalogueFor(Language::Simplified), nullptr) << "the game's own needs none";
    for (const Language language : {Language::Traditional, Language::English}) {
        const auto catalogue = CatalogueFor(language);
        ASSERT_NE(catalogue, nullptr);
        EXPECT_FALSE(catalogue->isEmpty());
    }
    EXPECT_EQ(CatalogueFor(Language::English)->language(), QStringLiteral("en_US"));
    EXPECT_EQ(CatalogueFor(Language::Traditional)->language(), QStringLiteral("zh_TW"));
}

} // namespace
} // namespace tp::app
