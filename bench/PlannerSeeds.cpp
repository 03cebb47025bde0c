// SPDX-License-Identifier: MIT
// The planner over many seeds, one after the other on one core: for each seed the time it takes,
// the amount its plan reaches when played through the rules and the gap to the bound; then the
// median and worst time and the worst gap.
//   tp_planner_seeds [COUNT [FIRST]]   (default: 100 seeds from 1)

#include "planner/Planner.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    const long count = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100;
    const long first = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 1;
    std::vector<double> seconds;
    double worstGap = 0;
    long worstSeed = first;
    bool valid = true;
    for (long seed = first; seed < first + count; ++seed) {
        const auto start = std::chrono::steady_clock::now();
        const tp::planner::BestRun best =
            tp::planner::FindBestRun(static_cast<std::uint32_t>(seed));
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        seconds.push_back(took.count());
        const double gap = best.bound > 0 ? static_cast<double>(best.bound - best.amount) /
                                                static_cast<double>(best.bound)
                                          : 0;
        valid = valid && best.amount > 0 && best.amount <= best.bound;
        if (gap > worstGap) {
            worstGap = gap;
            worstSeed = seed;
        }
        std::printf("seed %ld: %.3f s, amount %d, bound %lld, gap %.3f %%\n", seed, took.count(),
                    best.amount, static_cast<long long>(best.bound), 100 * gap);
    }
    std::vector<double> sorted = seconds;
    std::sort(sorted.begin(), sorted.end());
    std::printf("%zu seeds: median %.3f s, worst %.3f s, worst gap %.3f %% (seed %ld)%s\n",
                sorted.size(), sorted[sorted.size() / 2], sorted.back(), 100 * worstGap, worstSeed,
                valid ? "" : "; a plan failed or passed its bound");
    return valid ? 0 : 1;
}
