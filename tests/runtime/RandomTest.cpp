// SPDX-License-Identifier: MIT
#include "runtime/Random.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace tp::runtime {
namespace {

TEST(RandomBelow, ReplaysTheKnownSequenceFromStateZero) {
    Random random;
    const std::array<std::int32_t, 6> bounds{15, 15, 15, 5, 31, 100};
    const std::array<std::int32_t, 6> expected{0, 0, 12, 1, 8, 67};
    for (std::size_t i = 0; i < bounds.size(); ++i) {
        EXPECT_EQ(random.RandomBelow(bounds[i]), expected[i]) << "draw " << i;
        if (i == 0) {
            EXPECT_EQ(random.State(), 1u);
        }
        if (i == 1) {
            EXPECT_EQ(random.State(), Random::Multiplier + 1u);
        }
    }
}

TEST(RandomBelow, BoundsZeroAndOneYieldZeroButStillAdvance) {
    Random random;
    random.SeedWith(123456789u);
    for (int bound : {0, 1}) {
        const std::uint32_t before = random.State();
        EXPECT_EQ(random.RandomBelow(bound), 0);
        EXPECT_EQ(random.State(), before * Random::Multiplier + 1u);
    }
}

TEST(RandomBelow, ScalesByTheHighHalfOfTheProduct) {
    // The state just below wrap-around gives the top of the range, not a remainder.
    Random random;
    // Choose a start whose next state is 0xFFFFFFFF: solve s*m+1 = -1 by stepping backwards.
    const std::uint32_t inverse = [] {
        std::uint32_t x = 1;
        for (int i = 0; i < 5; ++i) {
            x *= 2u - Random::Multiplier * x;
        }
        return x;
    }();
    random.SeedWith((0xFFFFFFFFu - 1u) * inverse);
    EXPECT_EQ(random.RandomBelow(100000), 99999);
    EXPECT_EQ(random.State(), 0xFFFFFFFFu);
}

TEST(RandomBelow, StaysBelowTheLargestBoundAndCoversIt) {
    Random random;
    random.SeedWith(42u);
    std::int32_t highest = 0;
    for (int i = 0; i < 200000; ++i) {
        const std::int32_t v = random.RandomBelow(100000);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 100000);
        highest = std::max(highest, v);
    }
    EXPECT_GT(highest, 99000);
}

TEST(RandomBelow, EqualSeedsGiveEqualSequences) {
    Random a;
    Random b;
    a.SeedWith(0xDEADBEEFu);
    b.SeedWith(0xDEADBEEFu);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(a.RandomBelow(31), b.RandomBelow(31));
    }
}

bool FailingClock(std::uint64_t&) {
    return false;
}
bool FineClock(std::uint64_t& value) {
    value = 0x1234567890ABCDEFull;
    return true;
}
bool CoarseClock(std::uint64_t& value) {
    value = 0x00000001000004D2ull;
    return true;
}

TEST(SeedRandom, TakesTheLowHalfOfTheFineClock) {
    EXPECT_EQ(SeedFromClocks(FineClock, CoarseClock), 0x90ABCDEFu);
}

TEST(SeedRandom, FallsBackToTheMillisecondClock) {
    EXPECT_EQ(SeedFromClocks(FailingClock, CoarseClock), 0x000004D2u);
}

TEST(SeedRandom, RealClocksChangeBetweenReads) {
    std::uint64_t first = 0;
    std::uint64_t second = 0;
    ASSERT_TRUE(ReadNanosecondClock(first));
    while (ReadNanosecondClock(second) && second == first) {
    }
    EXPECT_GT(second, first);
}

// The fallback counts the same monotonic time in milliseconds, so a seed taken from it lies
// where the fine clock would have put it.
TEST(SeedRandom, TheMillisecondClockCountsTheFineClocksTimeInMilliseconds) {
    std::uint64_t before = 0;
    std::uint64_t ms = 0;
    std::uint64_t after = 0;
    ASSERT_TRUE(ReadNanosecondClock(before));
    ReadMillisecondClock(ms);
    ASSERT_TRUE(ReadNanosecondClock(after));
    // The coarse clock lags the fine one by up to a tick of the kernel, 10 ms at the most.
    EXPECT_GE(ms + 10, before / 1000000u);
    EXPECT_LE(ms, after / 1000000u);
}

} // namespace
} // namespace tp::runtime
