// SPDX-License-Identifier: MIT
#include "ui/toolkit/MessageBoxes.h"

#include "ui/toolkit/ApplicationTitle.h"
#include "ui/toolkit/DialogOwner.h"
#include "ui/toolkit/EndOfRun.h"
#include "ui/toolkit/GameDialog.h"
#include "ui/toolkit/KindButton.h"
#include "ui/toolkit/ModalResult.h"
#include "ui/toolkit/ShowModal.h"
#include "ui/toolkit/WindowCaption.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tp::ui {

namespace {

// Centres a window on its screen each time it is shown (Qt would centre it on its owner).
class ScreenCentrer : public QObject {
public:
    explicit ScreenCentrer(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Show) {
            const QScreen* screen = window_.screen();
            if (screen == nullptr) {
                screen = QGuiApplication::primaryScreen();
            }
            if (screen != nullptr) {
                QRect frame = window_.frameGeometry();
                frame.moveCenter(screen->availableGeometry().center());
                window_.move(frame.topLeft());
            }
        }
        return false;
    }

private:
    QWidget& window_;
};

// The boxes' buttons read as the system's own do in the game's language: in English.
QString OkText() {
    return QCoreApplication::translate("tp::ui::MessageBoxes", "OK");
}

QString CancelText() {
    return QCoreApplication::translate("tp::ui::MessageBoxes", "Cancel");
}

} // namespace

int MessageBoxes::ShowBox(const QString& text, const QString& caption, int icon,
                          bool centreOnScreen, bool canCancel) const {
    if (endOfRun_->Requested()) {
        return mrCancel;
    }
    QMessageBox box(DialogOwner(mainWindow_));
    box.setIcon(static_cast<QMessageBox::Icon>(icon));
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    SetCaption(box, caption);
    QPushButton* ok = box.addButton(OkText(), QMessageBox::AcceptRole);
    QPushButton* cancel =
        canCancel ? box.addButton(CancelText(), QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(ok);
    box.setEscapeButton(canCancel ? cancel : ok);
    if (centreOnScreen) {
        new ScreenCentrer(box);
    }
    const bool cancelled = ShowModal(box, *endOfRun_) == mrCancel && endOfRun_->Requested();
    return cancelled || (canCancel && box.clickedButton() != ok) ? mrCancel : mrOk;
}

namespace {

// Drops a high surrogate left alone at the end by the length limit.
QString WithoutBrokenTail(QString text) {
    if (!text.isEmpty() && text.back().isHighSurrogate()) {
        text.chop(1);
    }
    return text;
}

} // namespace

void MessageBoxes::ShowMessage(const QString& text) const {
    ShowBox(text, ApplicationTitle(), QMessageBox::NoIcon, true);
}

int MessageBoxes::MessageBox(const QString& text, const QString& caption) const {
    return ShowBox(text, caption, QMessageBox::Information, false);
}

bool MessageBoxes::Confirm(const QString& text, const QString& caption) const {
    return ShowBox(text, caption, QMessageBox::Question, false, true) == mrOk;
}

QString MessageBoxes::InputBox(const QString& caption, const QString& prompt,
                               const QString& defaultText) const {
    if (endOfRun_->Requested()) {
        return defaultText;
    }
    GameDialog dialog(DialogOwner(mainWindow_));
    dialog.setObjectName(QStringLiteral("InputBox"));
    dialog.SetCaption(caption);

    auto* label = new QLabel(prompt, &dialog);
    label->setTextFormat(Qt::PlainText);
    auto* edit = new QLineEdit(&dialog);
    edit->setObjectName(QStringLiteral("InputBoxEdit"));
    edit->setMaxLength(kInputBoxMaxLength);
    edit->setText(defaultText);
    edit->selectAll();
    label->setBuddy(edit);

    auto* ok = new KindButton(OkText(), KindButton::Kind::OK, &dialog);
    auto* cancel = new KindButton(CancelText(), KindButton::Kind::Cancel, &dialog);
    ok->setObjectName(QStringLiteral("InputBoxOk"));
    cancel->setObjectName(QStringLiteral("InputBoxCancel"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addLayout(buttons);
    dialog.setMinimumWidth(320);
    dialog.adjustSize();
    dialog.SetClientSize(dialog.width(), dialog.height());
    new ScreenCentrer(dialog);
    edit->setFocus();

    if (ShowModal(dialog, *endOfRun_) != mrOk) {
        return defaultText;
    }
    return WithoutBrokenTail(edit->text());
}

} // namespace tp::ui
