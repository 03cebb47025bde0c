// SPDX-License-Identifier: MIT
#pragma once

#include "game/Journal.h"

#include <QJsonArray>
#include <QString>

#include <span>
#include <vector>

namespace tp::storage {
class Fields;
}

namespace tp::journey {

// A journal as the files keep it: a list of objects, each naming what happened and its day,
// with the figures that kind of entry has, in the player's terms:
//   {"what": "journey", "day": 5, "place": 2, "event": -1}
//   {"what": "market", "day": 5, "market": [{"good": 3, "price": 280}, … five in all]}
//   {"what": "buy", "day": 5, "good": 3, "quantity": 10, "price": 280,
//    "cash": 1200, "deposit": 0, "debt": 3000}
//   {"what": "undo", "day": 5, "undone": "buy", "good": 3, "quantity": 10, "price": 280, …}
// See WhatNames in the source for every kind.
QJsonArray JournalToJson(std::span<const game::JournalEntry> journal);

// Reads the list at `key` of `fields` strictly: every field of its kind and no other, values a
// game could have written, at most MaxJournalEntries entries. On a failure `fields` has failed
// and what is returned is to be dropped.
std::vector<game::JournalEntry> ReadJournal(storage::Fields& fields, const QString& key);

} // namespace tp::journey
