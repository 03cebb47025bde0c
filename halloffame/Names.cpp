// SPDX-License-Identifier: MIT
#include "halloffame/Names.h"

#include <QTextBoundaryFinder>

namespace tp::halloffame {

namespace {

constexpr char32_t Replacement = 0xFFFD;
// Enough for any letter with its accents or an emoji sequence.
constexpr int MaxMarksInARow = 4;

bool IsBidiControl(char32_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

bool IsWide(char32_t c) {
    struct Range {
        char32_t first;
        char32_t last;
    };
    static constexpr Range wide[] = {
        {0x1100, 0x115F},   {0x2E80, 0x303E},   {0x3041, 0x33FF},   {0x3400, 0x4DBF},
        {0x4E00, 0x9FFF},   {0xA000, 0xA4CF},   {0xAC00, 0xD7A3},   {0xF900, 0xFAFF},
        {0xFE30, 0xFE4F},   {0xFF00, 0xFF60},   {0xFFE0, 0xFFE6},   {0x1F300, 0x1F64F},
        {0x1F680, 0x1F6FF}, {0x1F900, 0x1F9FF}, {0x20000, 0x2FFFD}, {0x30000, 0x3FFFD}};
    for (const Range& range : wide) {
        if (c >= range.first && c <= range.last) {
            return true;
        }
    }
    return false;
}

int CodePointColumns(char32_t c) {
    switch (QChar::category(c)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
    case QChar::Other_Control:
        return 0;
    default:
        return IsWide(c) ? 2 : 1;
    }
}

// One code point of a shown name, made safe.
char32_t Shown(char32_t c) {
    if (c == U'\t' || c == U'\n' || c == U'\r' || c == 0x2028 || c == 0x2029 || c == 0x85) {
        return U' ';
    }
    if (QChar::category(c) == QChar::Other_Control || IsBidiControl(c) ||
        QChar::category(c) == QChar::Other_Surrogate) {
        return Replacement;
    }
    return c;
}

// Walks `text` code point by code point; a lone surrogate is reported as itself.
template <typename Visit> void ForEachCodePoint(const QString& text, Visit visit) {
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) {
            if (!visit(QChar::surrogateToUcs4(c, text.at(i + 1)))) {
                return;
            }
            ++i;
        } else if (!visit(char32_t{c.unicode()})) {
            return;
        }
    }
}

void Append(QString& out, char32_t c) {
    if (QChar::requiresSurrogates(c)) {
        out += QChar(QChar::highSurrogate(c));
        out += QChar(QChar::lowSurrogate(c));
    } else {
        out += QChar(static_cast<char16_t>(c));
    }
}

} // namespace

QString StorableName(const QString& name) {
    QString out;
    out.reserve(std::min(name.size(), MaxNameCharacters * 2));
    qsizetype characters = 0;
    ForEachCodePoint(name, [&](char32_t c) {
        if (characters == MaxNameCharacters) {
            return false;
        }
        ++characters;
        Append(out, QChar::category(c) == QChar::Other_Surrogate ? Replacement : c);
        return true;
    });
    return out;
}

QString ShownName(const QString& name, int maxColumns) {
    static const QString ellipsis = QStringLiteral("…");
    // Only the start of a long name is ever looked at: enough characters for the widest cut.
    const QString head = name.left(qsizetype{maxColumns} * 4 + 8);
    QString safe;
    safe.reserve(head.size());
    int marksInARow = 0;
    ForEachCodePoint(head, [&](char32_t c) {
        const char32_t shown = Shown(c);
        // A pile of combining marks would stack far above and below the line.
        marksInARow = CodePointColumns(shown) == 0 ? marksInARow + 1 : 0;
        if (marksInARow <= MaxMarksInARow) {
            Append(safe, shown);
        }
        return true;
    });
    const bool cutHead = head.size() < name.size();
    if (!cutHead && DisplayColumns(safe) <= maxColumns) {
        return safe;
    }
    // Cut between graphemes, so an emoji sequence or a letter with its accents stays whole.
    const int room = maxColumns - DisplayColumns(ellipsis);
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, safe);
    qsizetype end = 0;
    int used = 0;
    for (qsizetype next = graphemes.toNextBoundary(); next > 0; next = graphemes.toNextBoundary()) {
        const int columns = DisplayColumns(safe.mid(end, next - end));
        if (used + columns > room) {
            break;
        }
        used += columns;
        end = next;
    }
    return safe.left(end) + ellipsis;
}

int DisplayColumns(const QString& text) {
    int columns = 0;
    ForEachCodePoint(text, [&](char32_t c) {
        columns += CodePointColumns(c);
        return true;
    });
    return columns;
}

} // namespace tp::halloffame
