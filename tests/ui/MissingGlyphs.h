// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QRawFont>
#include <QString>

namespace tp::ui::testing {

// The characters of `text` that the font's own face has no glyph for (each listed once, in
// order; whitespace ignored). Empty means nothing would be drawn from a fallback face or as a
// missing-glyph box.
inline QString MissingGlyphs(const QFont& font, const QString& text) {
    // The face text is laid out in: asking for Chinese would skip the game's faces, which hold
    // too few characters for fontconfig to call them Chinese.
    const QRawFont raw = QRawFont::fromFont(font, QFontDatabase::Any);
    QString missing;
    for (const char32_t c : text.toUcs4()) {
        if (QChar::isSpace(c)) {
            continue;
        }
        if (!raw.isValid() || !raw.supportsCharacter(c)) {
            const QString character = QString::fromUcs4(&c, 1);
            if (!missing.contains(character)) {
                missing += character;
            }
        }
    }
    return missing;
}

} // namespace tp::ui::testing
