// SPDX-License-Identifier: MIT
#include "ui/Messages.h"

#include "ui/toolkit/EndOfRun.h"
#include "ui/toolkit/WindowCaption.h"

#include <QApplication>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

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
    return QCoreApplication::translate("tp::ui::Messages", "OK");
}

QString CancelText() {
    return QCoreApplication::translate("tp::ui::Messages", "Cancel");
}

enum class Centred { OnOwner, OnScreen };

// Shows a box with an OK button and, when asked to, a Cancel button; true when OK was pressed.
bool ShowBox(QWidget* owner, EndOfRun& endOfRun, const QString& text, const QString& caption,
             QMessageBox::Icon icon, Centred centred, bool canCancel) {
    QMessageBox box(owner);
    box.setIcon(icon);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    SetCaption(box, caption);
    QPushButton* ok = box.addButton(OkText(), QMessageBox::AcceptRole);
    QPushButton* cancel =
        canCancel ? box.addButton(CancelText(), QMessageBox::RejectRole) : nullptr;
    box.setDefaultButton(ok);
    box.setEscapeButton(canCancel ? cancel : ok);
    if (centred == Centred::OnScreen) {
        new ScreenCentrer(box);
    }
    RunModal(box, endOfRun);
    return !endOfRun.Requested() && box.clickedButton() == ok;
}

} // namespace

QWidget* Messages::Owner() const {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    if (QWidget* active = QApplication::activeWindow()) {
        return active;
    }
    return mainWindow_;
}

void Messages::Tell(const QString& text) const {
    if (!endOfRun_->Requested()) {
        ShowBox(Owner(), *endOfRun_, text, QGuiApplication::applicationDisplayName(),
                QMessageBox::NoIcon, Centred::OnScreen, false);
    }
}

void Messages::Inform(const QString& text, const QString& caption) const {
    if (!endOfRun_->Requested()) {
        ShowBox(Owner(), *endOfRun_, text, caption, QMessageBox::Information, Centred::OnOwner,
                false);
    }
}

bool Messages::Confirm(const QString& text, const QString& caption) const {
    return !endOfRun_->Requested() && ShowBox(Owner(), *endOfRun_, text, caption,
                                              QMessageBox::Question, Centred::OnOwner, true);
}

QString Messages::AskText(const QString& caption, const QString& prompt,
                          const QString& defaultText) const {
    if (endOfRun_->Requested()) {
        return defaultText;
    }
    QInputDialog dialog(Owner(), Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                     Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    SetCaption(dialog, caption);
    dialog.setLabelText(prompt);
    dialog.setOkButtonText(OkText());
    dialog.setCancelButtonText(CancelText());
    dialog.setTextValue(defaultText);
    if (auto* edit = dialog.findChild<QLineEdit*>()) {
        edit->setMaxLength(kTypedTextMaxLength);
        // Room for a long name, the box 320 pixels wide: it never grows with what is typed.
        const QMargins margins = dialog.layout()->contentsMargins();
        edit->setMinimumWidth(320 - margins.left() - margins.right());
    }
    new ScreenCentrer(dialog);
    if (RunModal(dialog, *endOfRun_) != QDialog::Accepted) {
        return defaultText;
    }
    QString text = dialog.textValue();
    if (!text.isEmpty() && text.back().isHighSurrogate()) {
        text.chop(1);
    }
    return text;
}

QString ShortDateText(const QDate& date, const QLocale& locale) {
    if (locale.language() == QLocale::C) {
        // QDate::toString(format) reads the format with the C locale: digits and "/" only.
        return date.toString(u"M/d/yy");
    }
    return locale.toString(date, QLocale::ShortFormat);
}

} // namespace tp::ui
