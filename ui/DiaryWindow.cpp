// SPDX-License-Identifier: MIT
#include "ui/DiaryWindow.h"

#include "ui/GameFonts.h"
#include "ui/WindowParts.h"
#include "ui/toolkit/EndOfRun.h"
#include "ui/toolkit/WindowCaption.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace tp::ui {

DiaryWindow::DiaryWindow(QWidget* owner, EndOfRun& endOfRun) : Dialog(owner), endOfRun_(endOfRun) {
    setObjectName(QStringLiteral("diaryWindow"));
    setFixedSize(287, 133);
    move(326, 259);
    SetCaption(*this, tr("我的日记本"));
    setFont(SongFont());

    MakePicture(this, "townPicture", Box(0, 0, 105, 137), resources::PictureId::DiaryTown);
    auto* closeButton = StockButton(this, "closeButton", Box(208, 104, 73, 25), tr("关闭(&C)"),
                                    resources::StockGlyph::No);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);
    entryText_ = MakeText(this, "entryText", Box(112, 8, 169, 89), tr("日记"));
    entryText_->setReadOnly(true);
    setTabOrder(closeButton, entryText_);
}

void DiaryWindow::ShowEntry(const QStringList& lines) {
    ShowLines(*entryText_, lines);
    RunModal(*this, endOfRun_);
}

} // namespace tp::ui
