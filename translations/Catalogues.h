// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <memory>

class QTranslator;

namespace tp::translations {

// The embedded catalogue for a language by its name in the catalogues' file names ("en",
// "zh_TW"); nothing when there is none.
std::unique_ptr<QTranslator> EmbeddedCatalogue(const QString& language);

} // namespace tp::translations
