// SPDX-License-Identifier: MIT
#pragma once

#include "game/GameState.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace tp::game {

// One line of a run's journal, in the player's terms only (numbers, goods and places by their
// identity, events by their number), so that a journal written in one language reads in another.
struct JournalEntry {
    enum class Kind : std::uint8_t {
        Start,      // a new journey: `seed`
        Resume,     // a journey kept before the journal was: its journal begins here
        Journey,    // arrived: `place` (0..9), `event` (0..30, or NoEvent)
        Market,     // the market met: `market`
        Buy,        // `quantity` of `good` at `price` each
        Sell,       // likewise
        Deposit,    // `quantity` put in the bank
        Withdrawal, // `quantity` taken out
        Treatment,  // `quantity` health points
        Repayment,  // `quantity` of the debt paid back
        Storage,    // `quantity` units of storage bought
        Rename,     // `name` on the name label
        Undo,       // took back an action: `undone` and its figures
        Home,       // came home with `quantity`, the amount of the farewell
        Death,
    };
    static constexpr int NoEvent = -1;

    Kind kind = Kind::Start;
    int day = 0; // the day counter when it happened
    int place = 0;
    int event = NoEvent;
    int good = 0;
    std::int32_t quantity = 0;
    std::int32_t price = 0;
    std::uint32_t seed = 0;
    std::array<GoodsRecord, MarketSlots> market{};
    std::string name;
    Kind undone = Kind::Start;
    // After the trades and services, their undoing and the homecoming.
    std::int32_t cash = 0;
    std::int32_t deposit = 0;
    std::int32_t debt = 0;

    friend bool operator==(const JournalEntry&, const JournalEntry&) = default;
};

// A trade or service: the entries that carry cash, deposit and debt after them, and can be undone.
constexpr bool IsAction(JournalEntry::Kind kind) {
    return kind >= JournalEntry::Kind::Buy && kind <= JournalEntry::Kind::Storage;
}

// A trade's or service's entry, its figures still to be filled in.
inline JournalEntry ActionEntry(JournalEntry::Kind kind, std::int32_t quantity, int good = 0,
                                std::int32_t price = 0) {
    JournalEntry entry;
    entry.kind = kind;
    entry.quantity = quantity;
    entry.good = good;
    entry.price = price;
    return entry;
}

// Sixty stops of sixty entries each: no run of a player's comes near it. A journal kept to it is
// still saved after every action within a frame, and a longer one was not written by the game.
constexpr std::size_t MaxJournalEntries = 3600;

} // namespace tp::game
