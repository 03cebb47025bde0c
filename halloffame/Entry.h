// SPDX-License-Identifier: MIT
#pragma once

#include "game/FinishedRun.h"

#include <QDate>
#include <QString>

#include <cstdint>

namespace tp::halloffame {

// One finished run as the hall of fame keeps it.
struct Entry {
    QString name;            // as the end text wrote it; valid Unicode, see StorableName
    std::int32_t amount = 0; // cash plus deposit, the figure of the end text
    std::int32_t debt = 0;   // debt still owed at the end
    QString date;            // the day it was recorded, yyyy-MM-dd
    std::uint32_t seed = 0;  // replays the run with --seed
    int days = 0;            // the day counter at the end
    // The journey the run ended, so that a run is recorded once however often the program is
    // stopped between recording it and forgetting the journey. Empty for runs recorded before.
    QString journey;

    friend bool operator==(const Entry&, const Entry&) = default;
};

// The entry for a run that has just ended on `date`, the end of the journey `journey`. A name
// that is not valid UTF-8 keeps what can be read of it, with U+FFFD for the rest.
Entry EntryFromRun(const game::FinishedRun& run, const QDate& date, const QString& journey = {});

} // namespace tp::halloffame
