// SPDX-License-Identifier: MIT
#pragma once

#include "game/SavedJourney.h"

#include <string_view>

namespace tp::game {

// Why a saved journey cannot have come from a run in progress played by these rules, in a few
// words for a log; empty when it can. A journey read back from a file is resumed only when this
// finds nothing, so a value no game reaches (a hand-edited health of 500, a good that does not
// exist) never enters play.
std::string_view Unreachable(const SavedJourney& journey);

} // namespace tp::game
