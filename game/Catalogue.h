// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace tp::game {

struct CatalogueEntry {
    std::string_view name;
    std::int32_t basePrice;
};

// The fifteen goods in index order (entry 0 is good 1). Events name goods by index, so the
// order is fixed.
extern const std::array<CatalogueEntry, 15> Catalogue;

} // namespace tp::game
