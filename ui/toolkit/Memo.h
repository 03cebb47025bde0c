// SPDX-License-Identifier: MIT
#pragma once

#include <QPlainTextEdit>
#include <QStringList>

namespace tp::ui {

// A multi-line text box: lines wrap at the memo's width (also inside words, for Chinese
// text has no spaces), there are never scroll bars, Tab moves the focus on, and Enter stays
// in the memo (it never presses a dialog's default button). Lines added from code show from
// the top. It tells "no lines" from "one empty line".
class Memo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit Memo(QWidget* parent = nullptr);

    void Clear();
    // Appends `text` as the new last line; an empty text appends an empty line. A text with
    // line breaks appends one line per piece.
    void AddLine(const QString& text);
    QStringList Lines() const;

    // A one-pixel flat frame instead of the sunken one.
    void SetFlat(bool flat);
    void SetColor(const QColor& background);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnTextChanged();

    bool hasLines_ = false;
    bool changingFromCode_ = false;
};

} // namespace tp::ui
