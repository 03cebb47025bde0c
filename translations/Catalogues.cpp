// SPDX-License-Identifier: MIT
#include "translations/Catalogues.h"

#include <QTranslator>

namespace tp::translations {

std::unique_ptr<QTranslator> EmbeddedCatalogue(const QString& language) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral(":/i18n/tidepeddler_%1.qm").arg(language))) {
        return nullptr;
    }
    return translator;
}

} // namespace tp::translations
