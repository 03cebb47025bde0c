// SPDX-License-Identifier: MIT
#include "journey/JournalFile.h"

#include "game/Places.h"
#include "storage/VersionedJson.h"

#include <QCoreApplication>
#include <QJsonObject>

#include <array>
#include <cstdint>
#include <utility>

namespace tp::journey {

namespace {

using game::JournalEntry;
using Kind = JournalEntry::Kind;

// The files name each kind by a word, so that a kind added later never changes what the others
// mean.
constexpr std::array<std::pair<Kind, const char*>, 15> WhatNames = {{
    {Kind::Start, "start"},
    {Kind::Resume, "resume"},
    {Kind::Journey, "journey"},
    {Kind::Market, "market"},
    {Kind::Buy, "buy"},
    {Kind::Sell, "sell"},
    {Kind::Deposit, "deposit"},
    {Kind::Withdrawal, "withdrawal"},
    {Kind::Treatment, "treatment"},
    {Kind::Repayment, "repayment"},
    {Kind::Storage, "storage"},
    {Kind::Rename, "rename"},
    {Kind::Undo, "undo"},
    {Kind::Home, "home"},
    {Kind::Death, "death"},
}};

QString WhatName(Kind kind) {
    for (const auto& [known, name] : WhatNames) {
        if (known == kind) {
            return QString::fromLatin1(name);
        }
    }
    return {};
}

std::optional<Kind> KindNamed(const QString& name) {
    for (const auto& [kind, known] : WhatNames) {
        if (name == QLatin1String(known)) {
            return kind;
        }
    }
    return std::nullopt;
}

constexpr qsizetype NameCharacters = 255; // what the rename box takes

bool HasFigures(Kind kind) {
    return game::IsAction(kind) || kind == Kind::Undo || kind == Kind::Home || kind == Kind::Death;
}

// What an action moved, as an undo names it too.
void WriteAction(QJsonObject& object, const JournalEntry& entry, Kind kind) {
    object.insert(QStringLiteral("quantity"), entry.quantity);
    if (kind == Kind::Buy || kind == Kind::Sell) {
        object.insert(QStringLiteral("good"), entry.good);
        object.insert(QStringLiteral("price"), entry.price);
    }
}

void ReadAction(storage::Fields& fields, JournalEntry& entry, Kind kind) {
    entry.quantity = static_cast<std::int32_t>(
        fields.Integer(QStringLiteral("quantity"), 0, std::numeric_limits<std::int32_t>::max()));
    if (kind == Kind::Buy || kind == Kind::Sell) {
        entry.good = static_cast<int>(fields.Integer(QStringLiteral("good"), 1, game::GoodsCount));
        entry.price = static_cast<std::int32_t>(
            fields.Integer(QStringLiteral("price"), 0, std::numeric_limits<std::int32_t>::max()));
    }
}

QJsonObject EntryToJson(const JournalEntry& entry) {
    QJsonObject object{{QStringLiteral("what"), WhatName(entry.kind)},
                       {QStringLiteral("day"), entry.day}};
    switch (entry.kind) {
    case Kind::Start:
        object.insert(QStringLiteral("seed"), static_cast<qint64>(entry.seed));
        break;
    case Kind::Journey:
        object.insert(QStringLiteral("place"), entry.place);
        object.insert(QStringLiteral("event"), entry.event);
        break;
    case Kind::Market: {
        QJsonArray market;
        for (const game::GoodsRecord& slot : entry.market) {
            market.append(QJsonObject{{QStringLiteral("good"), slot.good},
                                      {QStringLiteral("price"), slot.price}});
        }
        object.insert(QStringLiteral("market"), market);
        break;
    }
    case Kind::Rename:
        object.insert(QStringLiteral("name"), QString::fromStdString(entry.name));
        break;
    case Kind::Undo:
        object.insert(QStringLiteral("undone"), WhatName(entry.undone));
        WriteAction(object, entry, entry.undone);
        break;
    case Kind::Home:
        object.insert(QStringLiteral("amount"), entry.quantity);
        break;
    default:
        if (game::IsAction(entry.kind)) {
            WriteAction(object, entry, entry.kind);
        }
        break;
    }
    if (HasFigures(entry.kind)) {
        object.insert(QStringLiteral("cash"), entry.cash);
        object.insert(QStringLiteral("deposit"), entry.deposit);
        object.insert(QStringLiteral("debt"), entry.debt);
    }
    return object;
}

void ReadEntry(storage::Fields& fields, JournalEntry& entry) {
    const std::optional<Kind> kind = KindNamed(fields.Text(QStringLiteral("what")));
    if (!kind) {
        return fields.Fail(QStringLiteral("what"),
                           QCoreApplication::translate("tp::journey::JournalFile",
                                                       "names nothing a journal holds"));
    }
    entry.kind = *kind;
    entry.day = fields.Whole<std::int8_t>(QStringLiteral("day"));
    switch (entry.kind) {
    case Kind::Start:
        entry.seed = fields.Whole<std::uint32_t>(QStringLiteral("seed"));
        break;
    case Kind::Journey:
        entry.place = static_cast<int>(fields.Integer(
            QStringLiteral("place"), 0, static_cast<qint64>(game::PlaceNames.size()) - 1));
        entry.event =
            static_cast<int>(fields.Integer(QStringLiteral("event"), JournalEntry::NoEvent, 30));
        break;
    case Kind::Market: {
        const QJsonArray market = fields.Array(QStringLiteral("market"));
        if (market.size() != game::MarketSlots) {
            return fields.Fail(QStringLiteral("market"),
                               QCoreApplication::translate("tp::journey::JournalFile",
                                                           "does not hold five goods"));
        }
        std::size_t slot = 0;
        fields.EachObject(market, QStringLiteral("market"), [&](storage::Fields& row) {
            entry.market[slot].good =
                static_cast<int>(row.Integer(QStringLiteral("good"), 1, game::GoodsCount));
            entry.market[slot++].price = row.Whole<std::int32_t>(QStringLiteral("price"));
        });
        break;
    }
    case Kind::Rename: {
        const QString name = fields.Text(QStringLiteral("name"));
        if (name.size() > 2 * NameCharacters) {
            return fields.Fail(QStringLiteral("name"),
                               QCoreApplication::translate("tp::journey::JournalFile",
                                                           "is longer than the rename box takes"));
        }
        entry.name = name.toStdString();
        break;
    }
    case Kind::Undo: {
        const std::optional<Kind> undone = KindNamed(fields.Text(QStringLiteral("undone")));
        if (!undone || !game::IsAction(*undone)) {
            return fields.Fail(QStringLiteral("undone"),
                               QCoreApplication::translate("tp::journey::JournalFile",
                                                           "is no action that can be undone"));
        }
        entry.undone = *undone;
        ReadAction(fields, entry, entry.undone);
        break;
    }
    case Kind::Home:
        entry.quantity = fields.Whole<std::int32_t>(QStringLiteral("amount"));
        break;
    default:
        if (game::IsAction(entry.kind)) {
            ReadAction(fields, entry, entry.kind);
        }
        break;
    }
    if (HasFigures(entry.kind)) {
        entry.cash = fields.Whole<std::int32_t>(QStringLiteral("cash"));
        entry.deposit = fields.Whole<std::int32_t>(QStringLiteral("deposit"));
        entry.debt = fields.Whole<std::int32_t>(QStringLiteral("debt"));
    }
}

} // namespace

QJsonArray JournalToJson(std::span<const JournalEntry> journal) {
    QJsonArray array;
    for (const JournalEntry& entry : journal) {
        array.append(EntryToJson(entry));
    }
    return array;
}

std::vector<JournalEntry> ReadJournal(storage::Fields& fields, const QString& key) {
    const QJsonArray array = fields.Array(key);
    if (static_cast<std::size_t>(array.size()) > game::MaxJournalEntries) {
        fields.Fail(key, QCoreApplication::translate("tp::journey::JournalFile",
                                                     "holds more than any run writes"));
        return {};
    }
    std::vector<JournalEntry> journal;
    journal.reserve(static_cast<std::size_t>(array.size()));
    fields.EachObject(array, key,
                      [&](storage::Fields& row) { ReadEntry(row, journal.emplace_back()); });
    return journal;
}

} // namespace tp::journey
