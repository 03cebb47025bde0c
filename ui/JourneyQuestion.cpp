// SPDX-License-Identifier: MIT
#include "ui/JourneyQuestion.h"

#include "game/GameState.h"
#include "ui/WindowParts.h"
#include "ui/toolkit/Accessibility.h"
#include "ui/toolkit/Fonts.h"
#include "ui/toolkit/KindButton.h"
#include "ui/toolkit/ModalResult.h"
#include "ui/toolkit/ShowModal.h"

#include <QKeyEvent>
#include <QLabel>

namespace tp::ui {

namespace {

// What the start-anew button closes the question with; everything else goes on.
constexpr int StartAnewResult = mrNo;

} // namespace

JourneyQuestion::JourneyQuestion(const game::GameState& saved) : GameDialog(nullptr) {
    setObjectName(QStringLiteral("journeyQuestion"));
    SetClientSize(297, 121);
    SetCaption(tr("潮汐货郎"));
    setFont(GameFont(QStringLiteral("宋体"), -12));

    MakePicture(this, "islandPicture", Box(8, 8, 97, 105), resources::PictureId::MainIsland);
    question_ = Place(new QLabel(this), "questionText", Box(116, 8, 173, 73));
    question_->setTextFormat(Qt::PlainText);
    question_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    question_->setText(tr("上次的旅程还没有走完：\n第 %1 天\n现金 %2\n欠款 %3\n"
                          "接着走，还是重新开始？")
                           .arg(saved.day)
                           .arg(saved.cash)
                           .arg(saved.debt));
    goOnButton_ = StockButton(this, "goOnButton", Box(116, 88, 73, 25), tr("继续(&G)"),
                              KindButton::Kind::Yes);
    startAnewButton_ = Place(new KindButton(tr("重新开始(&N)"), KindButton::Kind::Custom, this),
                             "startAnewButton", Box(196, 88, 93, 25));
    connect(startAnewButton_, &KindButton::Click, this, [this] { done(StartAnewResult); });
    SetAccessibleText(*this, tr("潮汐货郎"), question_->text());
    goOnButton_->setFocus(Qt::OtherFocusReason);
}

JourneyQuestion::Answer JourneyQuestion::Ask(const game::GameState& saved, EndOfRun& endOfRun) {
    JourneyQuestion question(saved);
    return ShowModal(question, endOfRun) == StartAnewResult ? Answer::StartAnew : Answer::GoOn;
}

QString JourneyQuestion::Text() const {
    return question_->text();
}

void JourneyQuestion::keyPressEvent(QKeyEvent* event) {
    // Esc goes on, as the close box does: the dialog has no cancel button for it to press.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        reject();
        return;
    }
    GameDialog::keyPressEvent(event);
}

} // namespace tp::ui
