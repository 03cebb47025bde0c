// SPDX-License-Identifier: MIT
#include "journey/JournalText.h"

#include "game/Catalogue.h"
#include "game/DailyEvents.h"
#include "game/Places.h"

#include <QCoreApplication>

namespace tp::journey {

namespace {

using game::JournalEntry;
using Kind = JournalEntry::Kind;

QString Tr(const char* text) {
    return QCoreApplication::translate("tp::journey::JournalText", text);
}

QString Figures(const JournalEntry& entry) {
    return Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText", "现金 %1，存款 %2，欠款 %3。"))
        .arg(entry.cash)
        .arg(entry.deposit)
        .arg(entry.debt);
}

QString Market(const JournalEntry& entry) {
    QStringList goods;
    for (const game::GoodsRecord& slot : entry.market) {
        goods << Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText", "%1 %2"))
                     .arg(GoodText(slot.good))
                     .arg(slot.price);
    }
    //: Between the goods of a market.
    return Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText", "行情：%1。"))
        .arg(goods.join(Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText", "，"))));
}

// What an action did, without its figures; an undo names the action it took back the same way.
QString Action(Kind kind, const JournalEntry& entry) {
    const auto trade = [&entry](const char* pattern) {
        return Tr(pattern)
            .arg(GoodText(entry.good))
            .arg(entry.quantity)
            .arg(entry.price)
            .arg(std::int64_t{entry.quantity} * entry.price);
    };
    switch (kind) {
    case Kind::Buy:
        //: %1 the good, %2 how many, %3 the price of one, %4 the total.
        return trade(
            QT_TRANSLATE_NOOP("tp::journey::JournalText", "买进%1 %2 件，每件 %3，共 %4。"));
    case Kind::Sell:
        //: %1 the good, %2 how many, %3 the price of one, %4 the total.
        return trade(
            QT_TRANSLATE_NOOP("tp::journey::JournalText", "卖出%1 %2 件，每件 %3，共 %4。"));
    case Kind::Deposit:
        return Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText", "在银行存入 %1。"))
            .arg(entry.quantity);
    case Kind::Withdrawal:
        return Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText", "从银行取出 %1。"))
            .arg(entry.quantity);
    case Kind::Treatment:
        return Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText", "在医院治好 %1 点健康。"))
            .arg(entry.quantity);
    case Kind::Repayment:
        return Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText", "在网吧还债 %1。"))
            .arg(entry.quantity);
    case Kind::Storage:
        return Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText", "在中介买下 %1 个货位。"))
            .arg(entry.quantity);
    default:
        return {};
    }
}

QString What(const JournalEntry& entry) {
    switch (entry.kind) {
    case Kind::Start:
        return Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText",
                                    "来到青岛，开始新的旅程（种子 %1）。"))
            .arg(entry.seed);
    case Kind::Resume:
        return Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText",
                                    "接着以前保存的旅程走，日志从这里记起。"));
    case Kind::Journey:
        if (entry.event == JournalEntry::NoEvent) {
            return Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText", "去了%1。"))
                .arg(PlaceText(entry.place));
        }
        //: %1 the place, %2 the day's diary entry.
        return Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText", "去了%1。%2"))
            .arg(PlaceText(entry.place), EventText(entry.event));
    case Kind::Market:
        return Market(entry);
    case Kind::Rename:
        return Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText", "改名为“%1”。"))
            .arg(QString::fromStdString(entry.name));
    case Kind::Undo:
        return Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText", "退回一步：%1%2"))
            .arg(Action(entry.undone, entry), Figures(entry));
    case Kind::Home:
        return Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText", "回到故乡，共赚到 %1。%2"))
            .arg(QString::number(entry.quantity), Figures(entry));
    case Kind::Death:
        return Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText", "病死在青岛，旅程到此为止。"));
    default:
        //: An action, then the cash, deposit and debt it left.
        return Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText", "%1%2"))
            .arg(Action(entry.kind, entry), Figures(entry));
    }
}

} // namespace

QString GoodText(int good) {
    // The catalogue's names are literals, so each view ends where the literal does.
    return QCoreApplication::translate("Goods", game::GoodName(good).data());
}

QString PlaceText(int place) {
    return place >= 0 && place < static_cast<int>(game::PlaceNames.size())
               ? QCoreApplication::translate(
                     "Places", game::PlaceNames[static_cast<std::size_t>(place)].data())
               : QString();
}

QString EventText(int event) {
    return event >= 0 && event < static_cast<int>(game::DailyEvents.size())
               ? QCoreApplication::translate(
                     "Diary", game::DailyEvents[static_cast<std::size_t>(event)].diary.data())
               : QString();
}

QString JournalLine(const JournalEntry& entry) {
    //: %1 the day, %2 what happened on it.
    return Tr(QT_TRANSLATE_NOOP("tp::journey::JournalText", "第 %1 天　%2"))
        .arg(entry.day)
        .arg(What(entry));
}

QStringList JournalLines(std::span<const JournalEntry> journal) {
    QStringList lines;
    lines.reserve(static_cast<qsizetype>(journal.size()));
    for (const JournalEntry& entry : journal) {
        lines << JournalLine(entry);
    }
    return lines;
}

} // namespace tp::journey
