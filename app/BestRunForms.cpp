// SPDX-License-Identifier: MIT
#include "app/BestRunForms.h"

#include "journey/JournalText.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <array>
#include <limits>
#include <utility>

namespace tp::app {

namespace {

using planner::Action;
using Kind = Action::Kind;

constexpr std::array<std::pair<Kind, const char*>, 8> ActionNames = {{
    {Kind::Buy, "buy"},
    {Kind::Sell, "sell"},
    {Kind::Deposit, "deposit"},
    {Kind::Withdraw, "withdraw"},
    {Kind::Repay, "repay"},
    {Kind::Hospital, "hospital"},
    {Kind::Storage, "storage"},
    {Kind::Travel, "travel"},
}};

// The field that holds an action's number, if it has one.
QString AmountField(Kind kind) {
    switch (kind) {
    case Kind::Buy:
    case Kind::Sell:
        return QStringLiteral("quantity");
    case Kind::Deposit:
    case Kind::Withdraw:
    case Kind::Repay:
        return QStringLiteral("amount");
    case Kind::Hospital:
        return QStringLiteral("points");
    default:
        return {};
    }
}

} // namespace

QByteArray BestRunJson(const planner::BestRun& best) {
    QJsonArray plan;
    for (const Action& action : best.plan) {
        QJsonObject entry;
        for (const auto& [kind, name] : ActionNames) {
            if (kind == action.kind) {
                entry.insert(QStringLiteral("action"), QString::fromLatin1(name));
            }
        }
        if (action.kind == Kind::Buy || action.kind == Kind::Sell) {
            entry.insert(QStringLiteral("row"), action.row);
        }
        if (const QString field = AmountField(action.kind); !field.isEmpty()) {
            entry.insert(field, action.amount);
        }
        plan.append(entry);
    }
    const QJsonObject top{{QStringLiteral("seed"), static_cast<qint64>(best.seed)},
                          {QStringLiteral("amount"), best.amount},
                          {QStringLiteral("bound"), static_cast<qint64>(best.bound)},
                          {QStringLiteral("plan"), plan}};
    return QJsonDocument(top).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<planner::Plan> PlanFromJson(const QByteArray& bytes, QString* reason) {
    const auto fail = [reason](const char* why) {
        if (reason != nullptr) {
            *reason = QString::fromLatin1(why);
        }
        return std::nullopt;
    };
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject() || !document.object().value(QStringLiteral("plan")).isArray()) {
        return fail("not a best run");
    }
    planner::Plan plan;
    for (const QJsonValue& value : document.object().value(QStringLiteral("plan")).toArray()) {
        const QJsonObject entry = value.toObject();
        const QString name = entry.value(QStringLiteral("action")).toString();
        std::optional<Kind> kind;
        for (const auto& [known, text] : ActionNames) {
            if (name == QLatin1String(text)) {
                kind = known;
            }
        }
        if (!kind) {
            return fail("an entry names no action");
        }
        Action action{*kind, 0, 0};
        const auto number = [&](const QString& field, std::int32_t& to) {
            const double n = entry.value(field).toDouble(-1);
            if (!entry.value(field).isDouble() || n < 0 ||
                n > std::numeric_limits<std::int32_t>::max() || n != static_cast<std::int32_t>(n)) {
                return false;
            }
            to = static_cast<std::int32_t>(n);
            return true;
        };
        const QString field = AmountField(*kind);
        const bool rowed = *kind == Kind::Buy || *kind == Kind::Sell;
        std::int32_t row = 0;
        if ((rowed && !number(QStringLiteral("row"), row)) ||
            (!field.isEmpty() && !number(field, action.amount)) ||
            entry.size() != 1 + (rowed ? 1 : 0) + (field.isEmpty() ? 0 : 1)) {
            return fail("an action's fields are not its own");
        }
        action.row = row;
        plan.push_back(action);
    }
    return plan;
}

QString BestRunText(const planner::BestRun& best) {
    QStringList lines;
    for (const game::JournalEntry& entry : best.journal) {
        // The markets are the seed's, not the plan's.
        if (entry.kind != game::JournalEntry::Kind::Market) {
            lines << journey::JournalLine(entry);
        }
    }
    lines << QCoreApplication::translate(
                 "tp::app::BestRun",
                 "这个种子找到的最好一局赚到 %1；它的任何一局都到不了 %2 以上。")
                 .arg(best.amount)
                 .arg(best.bound);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace tp::app
