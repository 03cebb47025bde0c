#include "ui/toolkit/BitBtn.h"

#include "ui/toolkit/ModalResult.h"

#include <QDialog>
#include <QPointer>

namespace tp::ui {

int ModalResultOf(BitBtn::Kind kind) {
    switch (kind) {
    case BitBtn::Kind::OK:
        return mrOk;
    case BitBtn::Kind::Cancel:
        return mrCancel;
    case BitBtn::Kind::Yes:
        return mrYes;
    case BitBtn::Kind::No:
        return mrNo;
    case BitBtn::Kind::Abort:
        return mrAbort;
    case BitBtn::Kind::Retry:
        return mrRetry;
    case BitBtn::Kind::Ignore:
        return mrIgnore;
    case BitBtn::Kind::All:
        return mrAll;
    case BitBtn::Kind::Custom:
    case BitBtn::Kind::Help:
    case BitBtn::Kind::Close:
        return mrNone;
    }
    return mrNone;
}

BitBtn::BitBtn(const QString& caption, Kind kind, QWidget* parent)
    : Button(caption, parent), kind_(kind) {
    // Connected first, so it runs before anyone else's slot on clicked: the result and the
    // handler must come before the window closes.
    connect(this, &QAbstractButton::clicked, this, &BitBtn::OnClicked);
}

void BitBtn::SetKind(Kind kind) {
    kind_ = kind;
}

int BitBtn::ModalResult() const {
    return ModalResultOf(kind_);
}

bool BitBtn::IsDefaultKind() const {
    return kind_ == Kind::OK || kind_ == Kind::Yes;
}

bool BitBtn::IsCancelKind() const {
    return kind_ == Kind::Cancel || kind_ == Kind::No;
}

void BitBtn::SetGlyph(const QIcon& glyph) {
    setIcon(glyph);
    const QList<QSize> sizes = glyph.availableSizes();
    if (!sizes.isEmpty()) {
        setIconSize(sizes.first());
    }
}

void BitBtn::OnClicked() {
    QPointer<QDialog> dialog = qobject_cast<QDialog*>(window());
    const int result = ModalResult();
    if (dialog != nullptr && result != mrNone) {
        dialog->setResult(result);
    }
    QPointer<BitBtn> self = this;
    emit Click();
    if (self == nullptr || dialog == nullptr) {
        return;
    }
    if (kind_ == Kind::Close) {
        dialog->close();
        return;
    }
    if (dialog->result() != mrNone && dialog->isVisible()) {
        dialog->done(dialog->result());
    }
}

} // namespace tp::ui
