#include "ui/WindowView.h"

#include "ui/Forms.h"
#include "ui/GameText.h"
#include "ui/Unit1.h"
#include "ui/Unit3.h"
#include "ui/toolkit/Accessibility.h"
#include "ui/toolkit/DateText.h"
#include "ui/toolkit/EndOfRun.h"
#include "ui/toolkit/Label.h"
#include "ui/toolkit/ListView.h"
#include "ui/toolkit/Messages.h"
#include "ui/toolkit/ShowModal.h"

#include <QLabel>

namespace tp::ui {

namespace {

void ShowValue(QLabel* label, const QString& value) {
    label->setText(value);
    // Screen readers announce the box by what it shows, followed by the value.
    label->setAccessibleDescription(value);
}

QStringList CarriedTexts(const game::CarriedGoods& row) {
    return {QString::number(row.Price), QString::number(row.Quantity)};
}

} // namespace

void WindowView::ShowMessage(std::string_view text) {
    ui::ShowMessage(GameText(text));
}

void WindowView::MessageBox(std::string_view text, std::string_view caption) {
    ui::MessageBox(GameText(text), GameText(caption));
}

std::string WindowView::InputBox(std::string_view caption, std::string_view prompt,
                                 std::string_view defaultText) {
    return ui::InputBox(GameText(caption), GameText(prompt), GameText(defaultText)).toStdString();
}

void WindowView::ShowDiary(std::span<const std::string> lines) {
    Form3->Write(lines);
    ShowModal(*Form3);
}

void WindowView::CloseMainWindow() {
    RequestEndOfRun();
}

std::string WindowView::CurrentDateText() {
    return ui::CurrentDateText().toStdString();
}

void WindowView::ShowStatus(const game::StatusDisplay& status) {
    Form1->setWindowTitle(GameText(status.caption));
    ShowValue(Form1->gr_name, GameText(status.name));
    ShowValue(Form1->gr_money, QString::number(status.money));
    ShowValue(Form1->gr_arrearage, QString::number(status.arrearage));
    ShowValue(Form1->gr_health, QString::number(status.health));
    ShowValue(Form1->gr_fund, QString::number(status.fund));
}

void WindowView::ShowMarket(std::span<const game::GoodsRecord> market) {
    ListView* list = Form1->ListView1;
    list->Clear();
    for (const game::GoodsRecord& slot : market) {
        list->AddRow(GameText(slot.Name.View()), 0, {QString::number(slot.Price)});
    }
}

void WindowView::AddCarriedRow(const game::CarriedGoods& row) {
    Form1->ListView2->AddRow(GameText(row.Name.View()), 1, CarriedTexts(row));
}

void WindowView::UpdateCarriedRow(int index, const game::CarriedGoods& row) {
    const QStringList texts = CarriedTexts(row);
    for (int i = 0; i < texts.size(); ++i) {
        Form1->ListView2->SetSubItem(index, i, texts[i]);
    }
}

void WindowView::RemoveCarriedRow(int index) {
    Form1->ListView2->DeleteRow(index);
}

} // namespace tp::ui
