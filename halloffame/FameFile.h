// SPDX-License-Identifier: MIT
#pragma once

#include "halloffame/Entry.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace tp::halloffame {

// The hall-of-fame file: a JSON object {"version": 1, "runs": [...]}, one object per run in the
// order the runs were recorded:
//   {"name": "小二黑", "amount": 12345, "debt": 0, "date": "2026-12-08", "seed": 42, "days": 61,
//    "journey": "1b4e28ba-2fa1-11d2-883f-0016d3cca427"}
// name, amount, debt, date and seed are required; days and journey may be missing.
inline constexpr int FameFileVersion = 1;

// A file larger than this was not written by the game (a full table of the longest names is
// a few megabytes) and counts as damaged rather than being read into memory.
inline constexpr qint64 MaxFameFileBytes = 16 * 1024 * 1024;

// How many runs the file keeps; beyond that the lowest are dropped.
inline constexpr qsizetype MaxStoredRuns = 1000;

struct FameFileContents {
    QList<Entry> runs; // usable rows, in recorded order
    int skipped = 0;   // rows left out: not an object, or a required field missing or invalid
    int altered = 0;   // rows kept with a value clamped, a name repaired or a bad "days" reset
};

// Reads the file's bytes. Returns nothing, and the reason in `reason`, when the file as a whole
// is unusable: not JSON (truncated, garbage), not an object, or an unknown version.
std::optional<FameFileContents> ParseFameFile(const QByteArray& bytes, QString* reason);

// The file's bytes for `runs`, given in recorded order: indented, UTF-8.
QByteArray SerializeFameFile(const QList<Entry>& runs);

} // namespace tp::halloffame
