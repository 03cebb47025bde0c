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
    SetCaption(tr("我的日记本"));
    setFont(GameFont(QStringLiteral("Pal宋体"), -12));

    MakePicture(this, "townPicture", Box(0, 0, 105, 137), resources::PictureId::DiaryTown);
    auto* closeButton = StockButton(this, "closeButton", Box(208, 104, 73, 25), tr("关闭(&C)"),
                                    KindButton::Kind::No);
    entryText_ = Place(new Memo(this), "entryText", Box(112, 8, 169, 89));
    entryText_->setReadOnly(true);
    entryText_->SetFlat(true);
    entryText_->SetColor(ColorOf(SystemColor::BtnFace));
    SetAccessibleText(*entryText_, tr("日记"));
    setTabOrder(closeButton, entryText_);
}

void DiaryWindow::ShowEntry(const QStringList& lines) {
    entryText_->Clear();
    for (const QString& line : lines) {
        entryText_->AddLine(line);
    }
    ShowModal(*this, endOfRun_);
}

} // namespace tp::ui
