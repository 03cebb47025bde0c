// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace tp::halloffame {

// Names are stored as typed, up to this many characters: far more than the game's name box
// takes, small enough that a full table of hostile names stays well under the file size limit.
inline constexpr qsizetype MaxNameCharacters = 1024;

// The name as it can be stored: lone surrogates (which UTF-8 cannot carry) become U+FFFD and
// the name is cut to MaxNameCharacters characters without splitting a pair.
QString StorableName(const QString& name);

// The name as one safe line of at most `maxColumns` columns: line breaks and tabs become
// spaces; other control characters, bidirectional controls (which would reorder the rest of the
// line) and lone surrogates become U+FFFD; a longer name is cut between characters as the
// reader sees them and ends with "…".
QString ShownName(const QString& name, int maxColumns);

// Columns `text` takes in a terminal: East Asian wide characters and emoji take two,
// combining marks and zero-width characters none, everything else one.
int DisplayColumns(const QString& text);

} // namespace tp::halloffame
