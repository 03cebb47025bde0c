// SPDX-License-Identifier: MIT
#pragma once

#include "planner/Planner.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tp::app {

// The best run of a seed for programs: one JSON object
//   {"seed": N, "amount": A, "bound": B, "plan": [...]}
// where each plan entry is one action as a player confirms it, in order:
//   {"action": "buy", "row": R, "quantity": Q}   row 0..4 of the market list
//   {"action": "sell", "row": R, "quantity": Q}  row of the carried list as it stands then
//   {"action": "deposit" | "withdraw" | "repay", "amount": A}
//   {"action": "hospital", "points": P}
//   {"action": "storage"}
//   {"action": "travel"}
QByteArray BestRunJson(const planner::BestRun& best);

// The plan of such an object; nothing, and why in `reason`, when it holds anything else.
std::optional<planner::Plan> PlanFromJson(const QByteArray& bytes, QString* reason);

// The best run for a player: the journal of its played plan a line an action, each with its day,
// what, how many, at what price and the cash after, then the amount and the bound; in the player's
// language.
QString BestRunText(const planner::BestRun& best);

} // namespace tp::app
