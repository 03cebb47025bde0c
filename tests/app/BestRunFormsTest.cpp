// SPDX-License-Identifier: MIT
#include "app/BestRunForms.h"

#include <gtest/gtest.h>

namespace tp::app {
namespace {

// The JSON form read back is the plan that was written, and it plays to the amount it states;
// an entry with a field its action has not is refused.
TEST(BestRunForms, TheJsonFormReadBackIsThePlanItWasWrittenFrom) {
    const planner::BestRun best = planner::FindBestRun(3);
    const QByteArray json = BestRunJson(best);
    QString reason;
    const std::optional<planner::Plan> plan = PlanFromJson(json, &reason);
    ASSERT_TRUE(plan.has_value()) << reason.toStdString();
    EXPECT_EQ(*plan, best.plan);
    EXPECT_EQ(planner::Play(3, *plan).amount, best.amount);
    EXPECT_FALSE(PlanFromJson(R"({"plan": [{"action": "travel", "row": 2}]})", nullptr));
    EXPECT_FALSE(
        PlanFromJson(R"({"plan": [{"action": "buy", "row": 0, "quantity": -1}]})", nullptr));
}

} // namespace
} // namespace tp::app
