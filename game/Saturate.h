// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <limits>

namespace tp::game {

// Amounts are 32-bit. Where a sum or product would pass the 32-bit range it stops at the
// edge instead of wrapping, so a fortune never turns into a debt.
constexpr std::int32_t Clamp32(std::int64_t value) {
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value < lo ? lo : (value > hi ? hi : value));
}

constexpr std::int32_t SaturatingAdd(std::int32_t a, std::int64_t b) {
    return Clamp32(static_cast<std::int64_t>(a) + b);
}

constexpr std::int64_t Product(std::int32_t a, std::int32_t b) {
    return static_cast<std::int64_t>(a) * static_cast<std::int64_t>(b);
}

} // namespace tp::game
