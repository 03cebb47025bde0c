// SPDX-License-Identifier: MIT
#include "ui/DiaryWindow.h"

#include "ui/WindowParts.h"
#include "ui/toolkit/Accessibility.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/KindButton.h"
#include "ui/toolkit/Memo.h"
#include "ui/toolkit/ShowModal.h"
#include "ui/toolkit/SystemColors.h"

namespace tp::ui {

DiaryWindow::DiaryWindow(QWidget* owner, EndOfRun& endOfRun)
    : GameDialog(owner), endOfRun_(endOfRun) {
    setObjectName(QStringLiteral("diaryWindow"));
    SetClientSize(287, 133);
    move(326, 259);
    SetCaption(QStringLiteral("我的日记本"));
    setFont(GameFont(QStringLiteral("Pal宋体"), -12));

    townPicture =
        MakePicture(this, "townPicture", Box(0, 0, 105, 137), resources::PictureId::DiaryTown);
    closeButton =
        StockButton(this, "closeButton", Box(208, 104, 73, 25), "关闭(&C)", KindButton::Kind::No);
    entryText = Place(new Memo(this), "entryText", Box(112, 8, 169, 89));
    entryText->setReadOnly(true);
    entryText->SetFlat(true);
    entryText->SetColor(ColorOf(SystemColor::BtnFace));
    SetAccessibleText(*entryText, QStringLiteral("日记"));
    setTabOrder(closeButton, entryText);
}

void DiaryWindow::ShowEntry(std::span<const std::string> lines) {
    Write(lines);
    ShowModal(*this, endOfRun_);
}

void DiaryWindow::Write(std::span<const std::string> lines) {
    entryText->Clear();
    for (const std::string& line : lines) {
        entryText->AddLine(QString::fromStdString(line));
    }
}

} // namespace tp::ui
