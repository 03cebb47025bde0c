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

// The name of good `good` (1..15) in the game's own language, which is also how the catalogues
// know it; empty for any other number.
inline std::string_view GoodName(int good) {
    return good >= 1 && good <= static_cast<int>(Catalogue.size())
               ? Catalogue[static_cast<std::size_t>(good - 1)].name
               : std::string_view();
}

} // namespace tp::game
