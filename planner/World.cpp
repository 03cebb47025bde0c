// SPDX-License-Identifier: MIT
#include "planner/World.h"

#include "game/Game.h"
#include "planner/NullView.h"
#include "runtime/Random.h"

namespace tp::planner {

World WorldOf(std::uint32_t seed) {
    NullView view;
    runtime::Random random;
    game::Game game(view, random);
    game.Start(seed);
    World world;
    world.seed = seed;
    world.start = game.State();
    while (!game::RunIsOver(game.State())) {
        // Kept alive and in funds whatever the events do: they draw nothing of what follows.
        game::SavedJourney healthy = game.Snapshot();
        healthy.state.health = 100;
        game.Resume(healthy);
        game.Travel(0);
    }
    int event = -1;
    for (const game::JournalEntry& entry : game.Journal()) {
        using Kind = game::JournalEntry::Kind;
        if (entry.kind == Kind::Journey) {
            event = entry.event;
        } else if (entry.kind == Kind::Market) {
            world.stops.push_back({entry.day, event, entry.market});
        }
    }
    // The market met on arrival home is never traded at.
    world.homeEvent = world.stops.back().event;
    world.stops.pop_back();
    return world;
}

} // namespace tp::planner
