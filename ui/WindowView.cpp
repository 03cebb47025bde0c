// SPDX-License-Identifier: MIT
#include "ui/WindowView.h"

#include "ui/DiaryWindow.h"
#include "ui/MainWindow.h"
#include "ui/WindowParts.h"
#include "ui/toolkit/ClickableLabel.h"
#include "ui/toolkit/DateText.h"
#include "ui/toolkit/EndOfRun.h"
#include "ui/toolkit/ReportList.h"

#include <QCoreApplication>
#include <QLabel>

namespace tp::ui {

namespace {

void ShowValue(QLabel* label, const QString& value) {
    label->setText(value);
    // Screen readers announce the box by what it shows, followed by the value.
    label->setAccessibleDescription(value);
}

QStringList CarriedTexts(const game::CarriedGoods& row) {
    return {QString::number(row.price), QString::number(row.quantity)};
}

} // namespace

void WindowView::SetMainWindow(MainWindow& main) {
    main_ = &main;
    boxes_ = MessageBoxes(endOfRun_, &main);
}

void WindowView::ShowMessage(std::string_view text) {
    boxes_.ShowMessage(GameText(text));
}

void WindowView::MessageBox(std::string_view text, std::string_view caption) {
    boxes_.MessageBox(GameText(text), GameText(caption));
}

std::string WindowView::InputBox(std::string_view caption, std::string_view prompt,
                                 std::string_view defaultText) {
    return boxes_.InputBox(GameText(caption), GameText(prompt), GameText(defaultText))
        .toStdString();
}

void WindowView::ShowDiary(std::span<const std::string> lines) {
    if (diary_ != nullptr) {
        diary_->ShowEntry(lines);
    }
}

void WindowView::CloseMainWindow() {
    endOfRun_.Request();
}

std::string WindowView::CurrentDateText() {
    return ui::CurrentDateText().toStdString();
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
    main_->setWindowTitle(GameText(status.caption));
    ShowValue(main_->nameBox, GameText(status.name));
    ShowValue(main_->cashBox, QString::number(status.cash));
    ShowValue(main_->debtBox, QString::number(status.debt));
    ShowValue(main_->healthBox, QString::number(status.health));
    ShowValue(main_->depositBox, QString::number(status.deposit));
}

void WindowView::ShowMarket(std::span<const game::GoodsRecord> market) {
    ReportList* list = main_->marketList;
    list->Clear();
    for (const game::GoodsRecord& slot : market) {
        list->AddRow(GameText(Translated("Goods", slot.name.View())), 0,
                     {QString::number(slot.price)});
    }
}

void WindowView::ShowCarriedRows(std::span<const game::CarriedGoods> rows) {
    main_->carriedList->Clear();
    for (const game::CarriedGoods& row : rows) {
        AddCarriedRow(row);
    }
}

void WindowView::AddCarriedRow(const game::CarriedGoods& row) {
    main_->carriedList->AddRow(GameText(Translated("Goods", row.name.View())), 1,
                               CarriedTexts(row));
}

void WindowView::UpdateCarriedRow(int index, const game::CarriedGoods& row) {
    const QStringList texts = CarriedTexts(row);
    for (int i = 0; i < texts.size(); ++i) {
        main_->carriedList->SetSubItem(index, i, texts[i]);
    }
}

void WindowView::RemoveCarriedRow(int index) {
    main_->carriedList->DeleteRow(index);
}

} // namespace tp::ui
