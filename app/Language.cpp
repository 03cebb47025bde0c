// SPDX-License-Identifier: MIT
#include "app/Language.h"

#include "translations/Catalogues.h"

#include <QLocale>
#include <QTranslator>

namespace tp::app {

Language LanguageFor(const QStringList& uiLanguages) {
    for (const QString& name : uiLanguages) {
        if (name == QLatin1String("C") || name == QLatin1String("POSIX")) {
            return Language::Simplified;
        }
        const QLocale locale(name);
        if (locale.language() == QLocale::Chinese) {
            return locale.script() == QLocale::TraditionalChineseScript ? Language::Traditional
                                                                        : Language::Simplified;
        }
        if (locale.language() == QLocale::English) {
            return Language::English;
        }
    }
    return Language::English;
}

std::unique_ptr<QTranslator> CatalogueFor(Language language) {
    switch (language) {
    case Language::Simplified:
        break;
    case Language::Traditional:
        return translations::EmbeddedCatalogue(QStringLiteral("zh_TW"));
    case Language::English:
        return translations::EmbeddedCatalogue(QStringLiteral("en"));
    }
    return nullptr;
}

} // namespace tp::app
