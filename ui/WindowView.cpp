// SPDX-License-Identifier: MIT
#include "ui/WindowView.h"

#include "ui/MainWindow.h"
#include "ui/WindowParts.h"
#include "ui/toolkit/EndOfRun.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

namespace tp::ui {

void WindowView::SetMainWindow(MainWindow& main) {
    main_ = &main;
    boxes_ = Messages(endOfRun_, &main);
}

void WindowView::Tell(std::string_view text) {
    boxes_.Tell(GameText(text));
}

void WindowView::Inform(std::string_view text, std::string_view caption) {
    boxes_.Inform(GameText(text), GameText(caption));
}

std::string WindowView::AskText(std::string_view caption, std::string_view prompt,
                                std::string_view defaultText) {
    return boxes_.AskText(GameText(caption), GameText(prompt), GameText(defaultText)).toStdString();
}

void WindowView::ShowDiary(std::span<const std::string> lines) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string& line : lines) {
        texts.append(GameText(line));
    }
    main_->ShowDiary(texts);
}

void WindowView::CloseMainWindow() {
    endOfRun_.Request();
}

std::string WindowView::CurrentDateText() {
    return ShortDateText(QDate::currentDate(), QLocale()).toStdString();
}

std::string_view WindowView::Translated(std::string_view context, std::string_view text) {
    std::pair<std::string, std::string> key{context, text};
    if (const auto found = translations_.find(key); found != translations_.end()) {
        return found->second;
    }
    std::string translated =
        QCoreApplication::translate(key.first.c_str(), key.second.c_str()).toStdString();
    // The game's own language needs no copy: the text is the game's, and lives as long.
    if (translated == text) {
        return text;
    }
    return translations_.emplace(std::move(key), std::move(translated)).first->second;
}

void WindowView::ShowStatus(const game::StatusDisplay& status) {
    main_->ShowCaption(GameText(status.caption));
    main_->ShowStatus(
        {GameText(status.name), status.cash, status.debt, status.health, status.deposit});
}

void WindowView::ShowMarket(std::span<const game::GoodsRecord> market) {
    main_->ShowMarket(market);
}

void WindowView::ShowCarriedRows(std::span<const game::CarriedGoods> rows) {
    main_->ShowCarriedGoods(rows);
}

void WindowView::AddCarriedRow(const game::CarriedGoods& row) {
    main_->AddCarriedRow(row);
}

void WindowView::UpdateCarriedRow(int index, const game::CarriedGoods& row) {
    main_->UpdateCarriedRow(index, row);
}

void WindowView::RemoveCarriedRow(int index) {
    main_->RemoveCarriedRow(index);
}

void WindowView::ShowJournal(std::span<const game::JournalEntry> journal) {
    main_->ShowJournal(journal);
}

} // namespace tp::ui
