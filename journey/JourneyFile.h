// SPDX-License-Identifier: MIT
#pragma once

#include "game/FinishedRun.h"
#include "game/SavedJourney.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tp::journey {

// The journey file: one JSON object with a format version and the journey's name, and either the
// journey in progress or, once it has ended at home, the finished run the hall of fame has yet
// to record:
//   {"version": 1, "journey": "…", "seed": 42, "generator": 123456, "day": 12, "cash": 2000,
//    "debt": 3000, "health": 95, "deposit": 0, "storage": 190, "storageBought": false,
//    "name": "路人甲", "nameLabel": "路人甲",
//    "market": [{"good": 3, "price": 280}, … five in all],
//    "carried": [{"good": 3, "price": 280, "quantity": 10}, …],
//    "dailyWorth": [-1000, …], "diary": [], "journal": [see JournalFile.h]}
//   {"version": 1, "journey": "…", "ended": {"name": "路人甲", "amount": 12345, "debt": 0,
//    "seed": 42, "days": 61, "dailyWorth": […]}}
// Goods are named by their number in the catalogue. Every field is required, and a field the game
// does not write makes the file one it did not write. A journey of version 1, written before the
// game kept a journal, has no "journal" and goes on with one begun where it is resumed.
inline constexpr int JourneyFileVersion = 2;
inline constexpr int OldestJourneyFileVersion = 1;

// A file larger than this was not written by the game: a journey is a few kilobytes, and its
// journal, at the most it may hold, a megabyte or two.
inline constexpr qint64 MaxJourneyFileBytes = 4 * 1024 * 1024;

struct JourneyFile {
    QString id;
    // Exactly one of the two.
    std::optional<game::SavedJourney> journey;
    std::optional<game::FinishedRun> ended;
};

QByteArray SerializeJourney(const game::SavedJourney& journey, const QString& id);
QByteArray SerializeEndedJourney(const game::FinishedRun& run, const QString& id);

// Reads a journey file's bytes. Returns nothing, and the reason in `reason`, when the file is
// not one the game could have written: not JSON, truncated, an unknown version, a field missing,
// unknown or of the wrong kind, or values no game reaches. Nothing is ever taken from such a file.
std::optional<JourneyFile> ParseJourneyFile(const QByteArray& bytes, QString* reason);

} // namespace tp::journey
