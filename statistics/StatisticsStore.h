// SPDX-License-Identifier: MIT
#pragma once

#include "statistics/Statistics.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace tp::statistics {

// The figures as stored, and what went wrong, if anything.
struct Found {
    Statistics statistics;
    QString problem; // for the player, in Chinese; empty when all went well
};

// The outcome of counting one more journey.
struct Recorded {
    Statistics statistics; // with this journey, whether or not the file could keep it
    bool saved = false;    // whether the file now holds it
    QString problem;       // for the player, in Chinese; empty when all went well
};

// The statistics file, beside the hall of fame. Nothing is read or written until Read or Record
// is called, so the game's start-up never touches it.
//
// Record takes the lock beside the file, reads it, adds the journey and puts the new figures in
// its place in one step, so two games ending together both count and a game killed while writing
// leaves the old figures whole. A damaged file is moved aside ("<file>.<yyyyMMdd-HHmmss>.bad")
// and counting starts afresh with this journey.
class StatisticsStore {
public:
    // Receives one line for standard error each time something is moved aside or not saved.
    using Log = std::function<void(const QString& line)>;

    // `log` defaults to writing the line to standard error.
    explicit StatisticsStore(QString path, Log log = {});

    // statistics.json in the user's data folder ($XDG_DATA_HOME/tidepeddler); empty when the
    // system names no such folder.
    static QString DefaultPath();

    const QString& Path() const { return path_; }

    // The figures as stored; all zeros before the first journey ends. Never changes a file: a
    // damaged one is only reported.
    Found Read() const;

    // Counts a journey that has ended; `amount` matters only when it came home.
    Recorded Record(Outcome outcome, std::int32_t amount, int daysTravelled);

private:
    QString path_;
    Log log_;
};

} // namespace tp::statistics
