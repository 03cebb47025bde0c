// SPDX-License-Identifier: MIT
#include "ui/toolkit/Memo.h"
#include "ui/toolkit/SystemColors.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>

namespace tp::ui {

Memo::Memo(QWidget* parent) : QPlainTextEdit(parent) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    // The game's fixed lines are measured to fill their memos' width; the editor's default
    // four-pixel margin would wrap the last character of each.
    document()->setDocumentMargin(1);
    connect(this, &QPlainTextEdit::textChanged, this, &Memo::OnTextChanged);
}

void Memo::Clear() {
    changingFromCode_ = true;
    clear();
    changingFromCode_ = false;
    hasLines_ = false;
}

void Memo::AddLine(const QString& text) {
    QString line = text;
    line.remove(u'\r');
    changingFromCode_ = true;
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    // A new document already holds one empty block: the first line goes into it.
    if (hasLines_) {
        cursor.insertBlock();
    }
    cursor.insertText(line);
    changingFromCode_ = false;
    hasLines_ = true;
    // Keep the start of the text in view: without scroll bars it is what a reader needs.
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
}

QStringList Memo::Lines() const {
    if (!hasLines_) {
        return {};
    }
    QStringList lines;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        lines << block.text();
    }
    return lines;
}

void Memo::SetFlat(bool flat) {
    setFrameShape(flat ? QFrame::Box : QFrame::StyledPanel);
    setFrameShadow(flat ? QFrame::Plain : QFrame::Sunken);
    setLineWidth(1);
}

void Memo::SetColor(const QColor& background) {
    SetPaletteColor(*this, QPalette::Base, background);
}

void Memo::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && isReadOnly()) {
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void Memo::OnTextChanged() {
    if (!changingFromCode_) {
        // The player edited the text: an emptied memo has no lines, as after Clear().
        hasLines_ = !document()->isEmpty();
    }
}

} // namespace tp::ui
