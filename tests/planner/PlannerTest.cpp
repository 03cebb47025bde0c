// SPDX-License-Identifier: MIT
#include "planner/Planner.h"

#include <gtest/gtest.h>

namespace tp::planner {
namespace {

// For many seeds the plan, played through the rules from the start, goes home alive with the
// amount found, and no amount found passes the bound.
TEST(Planner, PlansPlayThroughTheRulesAndStayWithinTheBound) {
    for (const std::uint32_t seed : {1u, 2u, 3u, 16u, 42u}) {
        const BestRun best = FindBestRun(seed);
        const Played played = Play(seed, best.plan);
        ASSERT_TRUE(played.valid) << "seed " << seed << ": " << played.failure;
        EXPECT_EQ(played.amount, best.amount) << "seed " << seed;
        EXPECT_LE(best.amount, best.bound) << "seed " << seed;
        EXPECT_GT(best.amount, 20000000) << "seed " << seed << ": a plan that barely trades";
    }
}

} // namespace
} // namespace tp::planner
