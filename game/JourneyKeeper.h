// SPDX-License-Identifier: MIT
#pragma once

namespace tp::game {

class Game;

// Hears when a journey reaches a point worth keeping, so that a run survives the program. The
// game calls it at the points a player has seen, never half-way through an action.
class JourneyKeeper {
public:
    virtual ~JourneyKeeper() = default;

    // The journey under way is about to be given up for a new one: `game` still holds it.
    virtual void JourneyGivenUp(const Game& game) = 0;

    // A new journey has begun: whatever was kept of another one is given up.
    virtual void JourneyBegan(const Game& game) = 0;

    // The journey has moved on: an action of the player's has run to its end, or the run has just
    // ended and its farewell is about to be shown.
    virtual void JourneyMoved(const Game& game) = 0;
};

} // namespace tp::game
