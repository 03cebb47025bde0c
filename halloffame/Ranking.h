// SPDX-License-Identifier: MIT
#pragma once

#include "halloffame/Entry.h"

#include <QList>

namespace tp::halloffame {

// Whether `a` ranks above `b`: the larger amount; on equal amounts the smaller debt. Runs equal
// in both keep the order they were recorded in, so the earlier one ranks higher.
bool RanksAbove(const Entry& a, const Entry& b);

// Sorts runs given in the order they were recorded, best first. Returns the 1-based rank of the
// run that was at index `follow` before sorting (0 when `follow` is not an index of `runs`).
int SortBest(QList<Entry>& runs, qsizetype follow = -1);

// Drops the lowest-ranked runs until at most `keep` remain; the rest keep their recorded order.
void DropLowest(QList<Entry>& runs, qsizetype keep);

} // namespace tp::halloffame
