// SPDX-License-Identifier: MIT
#include "ui/toolkit/KindButton.h"

#include "ui/toolkit/ModalResult.h"

#include <QDialog>
#include <QPointer>

#include <iterator>

namespace tp::ui {

namespace {

using Glyph = resources::StockGlyph;

// Indexed by the kind's value, in the order the enumeration lists the kinds. Custom buttons
// carry a glyph of their own; the All glyph only stands in for one that was never set.
constexpr KindTraits kTraits[] = {
    {mrNone, false, false, Glyph::All},     // Custom
    {mrOk, true, false, Glyph::OK},         // OK
    {mrCancel, false, true, Glyph::Cancel}, // Cancel
    {mrYes, true, false, Glyph::Yes},       // Yes
    {mrNo, false, true, Glyph::No},         // No
};
static_assert(std::size(kTraits) == static_cast<std::size_t>(KindButton::Kind::No) + 1);

} // namespace

const KindTraits& TraitsOf(KindButton::Kind kind) {
    return kTraits[static_cast<std::size_t>(kind)];
}

KindButton::KindButton(const QString& caption, Kind kind, QWidget* parent)
    : Button(caption, parent), kind_(kind) {
    // Connected first, so it runs before anyone else's slot on clicked: the result and the
    // handler must come before the window closes.
    connect(this, &QAbstractButton::clicked, this, &KindButton::OnClicked);
}

bool KindButton::IsDefaultKind() const {
    return TraitsOf(kind_).confirms;
}

bool KindButton::IsCancelKind() const {
    return TraitsOf(kind_).cancels;
}

void KindButton::SetGlyph(const QIcon& glyph) {
    setIcon(glyph);
    const QList<QSize> sizes = glyph.availableSizes();
    if (!sizes.isEmpty()) {
        setIconSize(sizes.first());
    }
}

void KindButton::OnClicked() {
    QPointer<QDialog> dialog = qobject_cast<QDialog*>(window());
    const int result = TraitsOf(kind_).modalResult;
    if (dialog != nullptr && result != mrNone) {
        dialog->setResult(result);
    }
    QPointer<KindButton> self = this;
    emit Click();
    if (self == nullptr || dialog == nullptr) {
        return;
    }
    if (dialog->result() != mrNone && dialog->isVisible()) {
        dialog->done(dialog->result());
    }
}

} // namespace tp::ui
