// SPDX-License-Identifier: MIT
#pragma once

#include "resources/Resources.h"
#include "ui/toolkit/Button.h"

#include <QIcon>

namespace tp::ui {

// A button whose kind decides the modal result it gives its window and its keyboard role.
//
// Handlers connect to Click(), not to QAbstractButton::clicked. A click (mouse, Enter while
// focused, the caption's Alt mnemonic, or the window's Enter/Esc role) runs, in order:
//   1. the button's dialog takes the kind's modal result (when the kind has one);
//   2. Click() is emitted: every handler runs to its end with the dialog still open, and
//      may still change the dialog's result with QDialog::setResult;
//   3. if the dialog's result is then not mrNone, the dialog closes with it (done()).
// A disabled or hidden button (or one inside a hidden or disabled parent) takes no click
// and answers no key.
class KindButton : public Button {
    Q_OBJECT
public:
    enum class Kind { Custom, OK, Cancel, Yes, No };

    explicit KindButton(const QString& caption = {}, Kind kind = Kind::Custom,
                        QWidget* parent = nullptr);

    // OK and Yes: Enter presses the button while the focus is on no other button.
    bool IsDefaultKind() const;
    // Cancel and No: Esc presses the button wherever the focus is.
    bool IsCancelKind() const;

    // Shows the glyph beside the caption; the icon's Disabled mode is used while the button is
    // disabled. The icon size follows the glyph's own size.
    void SetGlyph(const QIcon& glyph);

signals:
    // The button's handler hook: see the class comment for when it runs.
    void Click();

private:
    void OnClicked();

    const Kind kind_;
};

// What a kind means, in one place: the modal result a click gives (ModalResult.h; mrNone
// for Custom), the key that presses it anywhere in its window, and its stock glyph.
struct KindTraits {
    int modalResult;
    bool confirms; // Enter, while the focus is on no other button
    bool cancels;  // Esc
    resources::StockGlyph glyph;
};
const KindTraits& TraitsOf(KindButton::Kind kind);

} // namespace tp::ui
