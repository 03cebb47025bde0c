// SPDX-License-Identifier: MIT
#include "journey/JourneyFile.h"

#include "game/Catalogue.h"
#include "game/JourneyCheck.h"
#include "journey/JournalFile.h"
#include "storage/JourneyId.h"
#include "storage/VersionedJson.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <cmath>
#include <cstdint>
#include <limits>

namespace tp::journey {

namespace {

using game::CarriedGoods;
using game::FinishedRun;
using game::GameState;
using game::GoodsRecord;
using game::SavedJourney;
using storage::Fields;

template <typename Int> constexpr qint64 Highest = std::numeric_limits<Int>::max();

// A worth is cash plus deposit minus debt, so it lies between these.
constexpr qint64 LowestWorth = -Highest<std::int32_t>;
constexpr qint64 HighestWorth = 2 * Highest<std::int32_t>;

// The name the rename box takes: at most this many characters.
constexpr qsizetype NameLabelCharacters = 255;

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QJsonArray Worths(const std::vector<std::int64_t>& worths) {
    QJsonArray array;
    for (const std::int64_t worth : worths) {
        array.append(static_cast<qint64>(worth));
    }
    return array;
}

std::vector<std::int64_t> ReadWorths(const QJsonArray& array, QString& failure) {
    std::vector<std::int64_t> worths;
    for (const QJsonValue& value : array) {
        const double number = value.toDouble();
        if (!value.isDouble() || std::trunc(number) != number ||
            number < static_cast<double>(LowestWorth) ||
            number > static_cast<double>(HighestWorth)) {
            failure = QCoreApplication::translate(
                "tp::journey::JourneyFile", "\"dailyWorth\" holds a worth no amounts add up to");
            return {};
        }
        worths.push_back(static_cast<std::int64_t>(number));
        // A run lasts sixty-one days at most: a longer record was not written by the game.
        if (worths.size() > game::LastDay + 1) {
            failure = QCoreApplication::translate("tp::journey::JourneyFile",
                                                  "\"dailyWorth\" is longer than a run");
            return {};
        }
    }
    return worths;
}

// The catalogue number of a good read from `fields`.
int Good(Fields& fields) {
    return static_cast<int>(fields.Integer(QStringLiteral("good"), 1, game::GoodsCount));
}

std::optional<SavedJourney> ReadJourney(Fields& fields, int version, QString& failure) {
    SavedJourney journey;
    GameState& s = journey.state;
    s.seed = fields.Whole<std::uint32_t>(QStringLiteral("seed"));
    journey.generator = fields.Whole<std::uint32_t>(QStringLiteral("generator"));
    s.day = fields.Whole<std::int8_t>(QStringLiteral("day"));
    s.cash = fields.Whole<std::int32_t>(QStringLiteral("cash"));
    s.debt = fields.Whole<std::int32_t>(QStringLiteral("debt"));
    s.health = fields.Whole<std::int8_t>(QStringLiteral("health"));
    s.deposit = fields.Whole<std::int32_t>(QStringLiteral("deposit"));
    s.storage = fields.Whole<std::int32_t>(QStringLiteral("storage"));
    s.storageBought = fields.Boolean(QStringLiteral("storageBought"));

    const QByteArray name = fields.Text(QStringLiteral("name")).toUtf8();
    if (game::GbkLength(std::string_view(name.constData(), static_cast<std::size_t>(name.size()))) >
        11) {
        fields.Fail(QStringLiteral("name"),
                    QCoreApplication::translate("tp::journey::JourneyFile",
                                                "is longer than a name may be"));
    }
    s.playerName.Assign(std::string_view(name.constData(), static_cast<std::size_t>(name.size())));
    const QString label = fields.Text(QStringLiteral("nameLabel"));
    // Counted before it is converted, so that a huge label is never copied.
    if (label.size() > 2 * NameLabelCharacters) {
        fields.Fail(QStringLiteral("nameLabel"),
                    QCoreApplication::translate("tp::journey::JourneyFile",
                                                "is longer than the rename box takes"));
    }
    journey.nameLabel = label.toStdString();

    for (std::size_t i = 1; i <= game::GoodsCount; ++i) {
        s.goods[i] = GoodsRecord{static_cast<int>(i), game::Catalogue[i - 1].basePrice};
    }
    const QJsonArray market = fields.Array(QStringLiteral("market"));
    if (failure.isEmpty() && market.size() != game::MarketSlots) {
        fields.Fail(QStringLiteral("market"), QStringLiteral("does not hold five goods"));
    }
    std::size_t slot = 1;
    fields.EachObject(market, QStringLiteral("market"), [&](Fields& row) {
        const int good = Good(row);
        const auto price = row.Whole<std::int32_t>(QStringLiteral("price"));
        if (slot <= game::MarketSlots) {
            s.market[slot++] = GoodsRecord{good, price};
        }
    });
    fields.EachObject(fields.Array(QStringLiteral("carried")), QStringLiteral("carried"),
                      [&](Fields& row) {
                          const int good = Good(row);
                          const auto price = row.Whole<std::int32_t>(QStringLiteral("price"));
                          const auto quantity = row.Whole<std::int32_t>(QStringLiteral("quantity"));
                          s.carried.push_back(CarriedGoods{good, price, quantity});
                      });
    s.dailyWorth = ReadWorths(fields.Array(QStringLiteral("dailyWorth")), failure);
    for (const QJsonValue& line : fields.Array(QStringLiteral("diary"))) {
        if (!line.isString() || journey.diary.size() >= 3) {
            failure = QCoreApplication::translate("tp::journey::JourneyFile",
                                                  "\"diary\" is not a day's entry");
            break;
        }
        journey.diary.push_back(line.toString().toStdString());
    }
    if (version >= 2) {
        journey.journal = ReadJournal(fields, QStringLiteral("journal"));
    }
    fields.NothingElse();
    if (!failure.isEmpty()) {
        return std::nullopt;
    }
    if (const std::string_view why = game::Unreachable(journey); !why.empty()) {
        failure = QCoreApplication::translate("tp::journey::JourneyFile", "no game reaches it: %1")
                      .arg(Utf8(why));
        return std::nullopt;
    }
    return journey;
}

std::optional<FinishedRun> ReadEnded(const QJsonObject& object, QString& failure) {
    Fields fields(object, failure);
    FinishedRun run;
    const QString name = fields.Text(QStringLiteral("name"));
    if (name.size() > 2 * NameLabelCharacters) {
        fields.Fail(QStringLiteral("name"),
                    QCoreApplication::translate("tp::journey::JourneyFile",
                                                "is longer than the rename box takes"));
    }
    run.name = name.toStdString();
    run.amount = static_cast<std::int32_t>(
        fields.Integer(QStringLiteral("amount"), 0, Highest<std::int32_t>));
    run.debt =
        static_cast<std::int32_t>(fields.Integer(QStringLiteral("debt"), 0, Highest<std::int32_t>));
    run.seed = fields.Whole<std::uint32_t>(QStringLiteral("seed"));
    // A run goes home after the last day, or the day after when its last journey lost one.
    run.days = static_cast<int>(
        fields.Integer(QStringLiteral("days"), game::LastDay + 1, game::LastDay + 2));
    run.dailyWorth = ReadWorths(fields.Array(QStringLiteral("dailyWorth")), failure);
    if (failure.isEmpty() && run.dailyWorth.size() != game::LastDay + 1) {
        failure = QCoreApplication::translate("tp::journey::JourneyFile",
                                              "\"dailyWorth\" does not hold every day of a run");
    }
    fields.NothingElse();
    if (!failure.isEmpty()) {
        return std::nullopt;
    }
    return run;
}

QJsonObject Top(const QString& id) {
    return QJsonObject{{QStringLiteral("version"), JourneyFileVersion},
                       {QStringLiteral("journey"), id}};
}

} // namespace

QByteArray SerializeJourney(const SavedJourney& journey, const QString& id) {
    const GameState& s = journey.state;
    QJsonArray market;
    for (std::size_t slot = 1; slot <= game::MarketSlots; ++slot) {
        market.append(QJsonObject{{QStringLiteral("good"), s.market[slot].good},
                                  {QStringLiteral("price"), s.market[slot].price}});
    }
    QJsonArray carried;
    for (const CarriedGoods& row : s.carried) {
        carried.append(QJsonObject{{QStringLiteral("good"), row.good},
                                   {QStringLiteral("price"), row.price},
                                   {QStringLiteral("quantity"), row.quantity}});
    }
    QJsonArray diary;
    for (const std::string& line : journey.diary) {
        diary.append(Utf8(line));
    }
    QJsonObject top = Top(id);
    top.insert(QStringLiteral("seed"), static_cast<qint64>(s.seed));
    top.insert(QStringLiteral("generator"), static_cast<qint64>(journey.generator));
    top.insert(QStringLiteral("day"), s.day);
    top.insert(QStringLiteral("cash"), s.cash);
    top.insert(QStringLiteral("debt"), s.debt);
    top.insert(QStringLiteral("health"), s.health);
    top.insert(QStringLiteral("deposit"), s.deposit);
    top.insert(QStringLiteral("storage"), s.storage);
    top.insert(QStringLiteral("storageBought"), s.storageBought);
    top.insert(QStringLiteral("name"), Utf8(s.playerName.View()));
    top.insert(QStringLiteral("nameLabel"), Utf8(journey.nameLabel));
    top.insert(QStringLiteral("market"), market);
    top.insert(QStringLiteral("carried"), carried);
    top.insert(QStringLiteral("dailyWorth"), Worths(s.dailyWorth));
    top.insert(QStringLiteral("diary"), diary);
    top.insert(QStringLiteral("journal"), JournalToJson(journey.journal));
    // Written after every action, journal and all: no room or time for indentation.
    return QJsonDocument(top).toJson(QJsonDocument::Compact);
}

QByteArray SerializeEndedJourney(const FinishedRun& run, const QString& id) {
    QJsonObject top = Top(id);
    top.insert(QStringLiteral("ended"),
               QJsonObject{{QStringLiteral("name"), Utf8(run.name)},
                           {QStringLiteral("amount"), run.amount},
                           {QStringLiteral("debt"), run.debt},
                           {QStringLiteral("seed"), static_cast<qint64>(run.seed)},
                           {QStringLiteral("days"), run.days},
                           {QStringLiteral("dailyWorth"), Worths(run.dailyWorth)}});
    return QJsonDocument(top).toJson(QJsonDocument::Indented);
}

std::optional<JourneyFile> ParseJourneyFile(const QByteArray& bytes, QString* reason) {
    QString failure;
    auto fail = [&](const QString& why) {
        if (reason != nullptr) {
            *reason = why;
        }
        return std::nullopt;
    };
    int version = 0;
    const std::optional<QJsonObject> parsed = storage::ParseVersionedObject(
        bytes, OldestJourneyFileVersion, JourneyFileVersion, version, reason);
    if (!parsed) {
        return std::nullopt;
    }
    Fields top(*parsed, failure);
    JourneyFile file;
    file.id = top.Text(QStringLiteral("journey"));
    if (failure.isEmpty() && !storage::IsJourneyId(file.id)) {
        failure = QCoreApplication::translate("tp::journey::JourneyFile",
                                              "\"journey\" is not a journey's name");
    }
    if (failure.isEmpty() && parsed->contains(QStringLiteral("ended"))) {
        file.ended = ReadEnded(top.Object(QStringLiteral("ended")), failure);
        top.NothingElse();
    } else if (failure.isEmpty()) {
        file.journey = ReadJourney(top, version, failure);
    }
    if (!failure.isEmpty()) {
        return fail(failure);
    }
    return file;
}

} // namespace tp::journey
