// SPDX-License-Identifier: MIT
#include "halloffame/Ranking.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace tp::halloffame {

namespace {

// Indices of `runs`, best first.
std::vector<qsizetype> RankedIndices(const QList<Entry>& runs) {
    std::vector<qsizetype> order(static_cast<std::size_t>(runs.size()));
    std::iota(order.begin(), order.end(), qsizetype{0});
    // Stable, so equal runs stay in the order they were recorded.
    std::stable_sort(order.begin(), order.end(), [&runs](qsizetype a, qsizetype b) {
        return RanksAbove(runs.at(a), runs.at(b));
    });
    return order;
}

} // namespace

bool RanksAbove(const Entry& a, const Entry& b) {
    if (a.amount != b.amount) {
        return a.amount > b.amount;
    }
    return a.debt < b.debt;
}

int SortBest(QList<Entry>& runs, qsizetype follow) {
    const std::vector<qsizetype> order = RankedIndices(runs);
    QList<Entry> sorted;
    sorted.reserve(runs.size());
    int rank = 0;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] == follow) {
            rank = static_cast<int>(i) + 1;
        }
        sorted.append(std::move(runs[order[i]]));
    }
    runs = std::move(sorted);
    return rank;
}

void DropLowest(QList<Entry>& runs, qsizetype keep) {
    if (runs.size() <= keep) {
        return;
    }
    std::vector<qsizetype> order = RankedIndices(runs);
    order.resize(static_cast<std::size_t>(std::max(qsizetype{0}, keep)));
    std::sort(order.begin(), order.end());
    QList<Entry> kept;
    kept.reserve(keep);
    for (const qsizetype index : order) {
        kept.append(std::move(runs[index]));
    }
    runs = std::move(kept);
}

} // namespace tp::halloffame
