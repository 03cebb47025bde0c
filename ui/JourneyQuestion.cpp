// SPDX-License-Identifier: MIT
#include "ui/JourneyQuestion.h"

#include "game/GameState.h"
#include "ui/Accessibility.h"
#include "ui/GameFonts.h"
#include "ui/WindowParts.h"
#include "ui/toolkit/Button.h"
#include "ui/toolkit/EndOfRun.h"
#include "ui/toolkit/WindowCaption.h"

#include <QLabel>

namespace tp::ui {

namespace {

// What the start-anew button closes the question with; everything else goes on.
constexpr int StartAnewResult = QDialog::Accepted + 1;

} // namespace

JourneyQuestion::JourneyQuestion(const game::GameState& saved) : Dialog(nullptr) {
    setObjectName(QStringLiteral("journeyQuestion"));
    setFixedSize(297, 121);
    SetCaption(*this, tr("潮汐货郎"));
    setFont(SongFont());

    MakePicture(this, "islandPicture", Box(8, 8, 97, 105), resources::PictureId::MainIsland);
    question_ = Place(new QLabel(this), "questionText", Box(116, 8, 173, 73));
    question_->setTextFormat(Qt::PlainText);
    question_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    question_->setText(tr("上次的旅程还没有走完：\n第 %1 天\n现金 %2\n欠款 %3\n"
                          "接着走，还是重新开始？")
                           .arg(saved.day)
                           .arg(saved.cash)
                           .arg(saved.debt));
    auto* goOnButton = StockButton(this, "goOnButton", Box(116, 88, 73, 25), tr("继续(&G)"),
                                   resources::StockGlyph::Yes);
    auto* startAnewButton =
        Place(new Button(tr("重新开始(&N)"), this), "startAnewButton", Box(196, 88, 93, 25));
    SetConfirmButton(goOnButton);
    connect(goOnButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(startAnewButton, &QPushButton::clicked, this, [this] { done(StartAnewResult); });
    SetAccessibleText(*this, tr("潮汐货郎"), question_->text());
    goOnButton->setFocus(Qt::OtherFocusReason);
}

JourneyQuestion::Answer JourneyQuestion::Ask(const game::GameState& saved, EndOfRun& endOfRun) {
    JourneyQuestion question(saved);
    return RunModal(question, endOfRun) == StartAnewResult ? Answer::StartAnew : Answer::GoOn;
}

QString JourneyQuestion::Text() const {
    return question_->text();
}

} // namespace tp::ui
