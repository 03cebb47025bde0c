// SPDX-License-Identifier: MIT
#pragma once

#include <QStringList>

#include <memory>

class QTranslator;

namespace tp::app {

// The languages the game speaks. Simplified Chinese is its own: its texts are written in it, and
// it needs no catalogue.
enum class Language { Simplified, Traditional, English };

// The language for a user whose preferences are `uiLanguages`, as QLocale::uiLanguages() gives
// them (LANGUAGE first, then LC_ALL, LC_MESSAGES, LANG): the first that the game speaks. Chinese
// in Traditional script (Taiwan, Hong Kong, Macau, zh-Hant) is Traditional, any other Chinese
// Simplified; the C and POSIX locales are the game's own Simplified; when none is Chinese or
// English, English, the most widely read of the three.
Language LanguageFor(const QStringList& uiLanguages);

// The catalogue of `language`, ready to install in the application; nothing for Simplified.
std::unique_ptr<QTranslator> CatalogueFor(Language language);

} // namespace tp::app
