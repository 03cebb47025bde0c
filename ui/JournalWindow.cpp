// SPDX-License-Identifier: MIT
#include "ui/JournalWindow.h"

#include "journey/JournalText.h"
#include "ui/Accessibility.h"
#include "ui/GameFonts.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tp::ui {

JournalWindow::JournalWindow(const QString& title, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("journal"));
    setWindowTitle(title);
    setFont(SongFont());
    auto* layout = new QVBoxLayout(this);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("journalText"));
    text_->setReadOnly(true);
    // Read-only text still takes the keyboard, so that its lines can be read and selected.
    text_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    SetAccessibleText(*text_, tr("日志"), tr("这一局每天发生的事，最新的在最后"));
    layout->addWidget(text_, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(tr("关闭"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QSize JournalWindow::sizeHint() const {
    // Wide enough for a day's market in two lines, tall enough for a few days.
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(QString(46, QChar(0x4E00))), 30 * metrics.height()};
}

void JournalWindow::ShowJournal(std::span<const game::JournalEntry> journal) {
    if (journal.size() < shown_ || journal.empty() || !(journal.front() == first_)) {
        text_->clear();
        shown_ = 0;
    }
    if (!journal.empty()) {
        first_ = journal.front();
    }
    for (; shown_ < journal.size(); ++shown_) {
        text_->appendPlainText(journey::JournalLine(journal[shown_]));
    }
    text_->verticalScrollBar()->setValue(text_->verticalScrollBar()->maximum());
}

} // namespace tp::ui
