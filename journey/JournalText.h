// SPDX-License-Identifier: MIT
#pragma once

#include "game/Journal.h"

#include <QString>
#include <QStringList>

#include <span>

namespace tp::journey {

// An entry of the journal as one line in the player's language: its day, what happened, and for a
// trade or service the cash, deposit and debt it left. Needs the catalogue installed, no display.
QString JournalLine(const game::JournalEntry& entry);
QStringList JournalLines(std::span<const game::JournalEntry> journal);

// A good, a place and a day's event by their names in the player's language.
QString GoodText(int good);
QString PlaceText(int place);
QString EventText(int event);

} // namespace tp::journey
