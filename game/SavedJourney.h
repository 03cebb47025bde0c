// SPDX-License-Identifier: MIT
#pragma once

#include "game/GameState.h"
#include "game/Journal.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tp::game {

// Everything a journey needs to go on exactly where it stood. What the windows show follows
// from it, and the generator's position makes the markets and events still to come those of an
// unbroken run.
struct SavedJourney {
    GameState state;
    std::uint32_t generator = 0;    // the generator's position
    std::string nameLabel;          // what the name label shows: a rename lasts until a refresh
    std::vector<std::string> diary; // today's entry; empty on a day that brought none
    std::vector<JournalEntry> journal;

    friend bool operator==(const SavedJourney&, const SavedJourney&) = default;
};

} // namespace tp::game
