// SPDX-License-Identifier: MIT
#include "game/JourneyCheck.h"

#include "game/Catalogue.h"

#include <bitset>
#include <cstdint>
#include <limits>

namespace tp::game {

namespace {

constexpr std::int32_t StartStorage = 200;
constexpr std::int32_t BoughtStorage = 100;
// The rename box holds this many characters; a diary line is one of the game's own texts.
constexpr std::size_t NameLabelCharacters = 255;
constexpr std::size_t DiaryLineBytes = 1024;

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t n = Utf8SequenceLength(lead);
        if ((n == 1 && lead >= 0x80) || i + n > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < n; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += n;
    }
    return true;
}

std::size_t Characters(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < utf8.size(); ++count) {
        i += Utf8SequenceLength(static_cast<unsigned char>(utf8[i]));
    }
    return count;
}

// The catalogue number of a good, 0 when there is no such good.
int KnownGood(int good) {
    return good >= 1 && good <= GoodsCount ? good : 0;
}

// A price the market draws for good `g`: at most half the base price below it, less than twice
// it above, and a sought-after good (slot 1 only) a whole base price higher still.
bool IsDrawnPrice(int g, std::int32_t price, bool mayBeSoughtAfter) {
    const std::int64_t base = Catalogue[static_cast<std::size_t>(g - 1)].basePrice;
    const std::int64_t lowest = base - base / 2 + 1;
    const std::int64_t highest = (mayBeSoughtAfter ? 3 * base : 2 * base) - 1;
    return price >= lowest && price <= highest;
}

std::string_view CheckMarket(const GameState& s) {
    std::bitset<GoodsCount + 1> placed;
    if (!(s.market[0] == GoodsRecord{})) {
        return "a market slot 0";
    }
    for (std::size_t slot = 1; slot <= MarketSlots; ++slot) {
        const int g = KnownGood(s.market[slot].good);
        if (g == 0) {
            return "a good in the market that does not exist";
        }
        if (placed[static_cast<std::size_t>(g)]) {
            return "a good twice in the market";
        }
        placed[static_cast<std::size_t>(g)] = true;
        if (!IsDrawnPrice(g, s.market[slot].price, slot == 1)) {
            return "a market price no market draws";
        }
    }
    return {};
}

std::string_view CheckCarried(const GameState& s) {
    // Every unit bought takes a unit of storage until it is sold, so the two always add up to
    // what the player has room for.
    std::int64_t units = s.storage;
    if (s.storage < 0) {
        return "negative storage";
    }
    for (const CarriedGoods& row : s.carried) {
        const int g = KnownGood(row.good);
        if (g == 0) {
            return "a carried good that does not exist";
        }
        if (row.quantity < 0) {
            return "a negative quantity carried";
        }
        if (!IsDrawnPrice(g, row.price, true)) {
            return "a carried price no market asked";
        }
        units += row.quantity;
        if (units > StartStorage + BoughtStorage) {
            break;
        }
    }
    if (units != StartStorage + (s.storageBought ? BoughtStorage : 0)) {
        return "storage and goods carried that do not add up";
    }
    return {};
}

std::string_view CheckDailyWorth(const GameState& s) {
    // One entry for each day gone by; a day lost to the last journey's event is written by the
    // next journey.
    const auto recorded = static_cast<std::int64_t>(s.dailyWorth.size());
    if (recorded > s.day - 1 || recorded < s.day - 2) {
        return "a record of worth for other days";
    }
    constexpr std::int64_t most = std::numeric_limits<std::int32_t>::max();
    for (const std::int64_t worth : s.dailyWorth) {
        if (worth < -most || worth > 2 * most) {
            return "a worth no amounts add up to";
        }
    }
    return {};
}

} // namespace

std::string_view Unreachable(const SavedJourney& journey) {
    const GameState& s = journey.state;
    if (s.day < 1 || s.day > LastDay) {
        return "a day outside the run";
    }
    if (s.health < 1 || s.health > 100) {
        return "a health outside 1 to 100";
    }
    if (s.cash < 0 || s.deposit < 0 || s.debt < 0) {
        return "a negative amount";
    }
    if (!(s.goods[0] == GoodsRecord{})) {
        return "a catalogue entry 0";
    }
    for (std::size_t i = 1; i <= GoodsCount; ++i) {
        if (s.goods[i].good != static_cast<int>(i) ||
            s.goods[i].price != Catalogue[i - 1].basePrice) {
            return "a catalogue other than the game's";
        }
    }
    if (const auto why = CheckMarket(s); !why.empty()) {
        return why;
    }
    if (const auto why = CheckCarried(s); !why.empty()) {
        return why;
    }
    if (const auto why = CheckDailyWorth(s); !why.empty()) {
        return why;
    }
    if (!IsValidUtf8(s.playerName.View())) {
        return "a name that is not text";
    }
    if (!IsValidUtf8(journey.nameLabel) || Characters(journey.nameLabel) > NameLabelCharacters) {
        return "a name longer than the rename box takes";
    }
    if (!journey.diary.empty() && (journey.diary.size() != 3 || !journey.diary[1].empty())) {
        return "a diary that is not a day's entry";
    }
    for (const std::string& line : journey.diary) {
        if (line.size() > DiaryLineBytes || !IsValidUtf8(line)) {
            return "a diary line that is not one of the game's";
        }
    }
    return {};
}

} // namespace tp::game
