// SPDX-License-Identifier: MIT
#pragma once

#include "game/Journal.h"

#include <QDialog>

#include <span>

class QPlainTextEdit;

namespace tp::ui {

// The journal (日志): what happened in a run, a line an entry, the latest last and in view. The
// run in play keeps its journal open beside the main window, following every action; a finished
// run's is shown from the hall of fame.
class JournalWindow : public QDialog {
    Q_OBJECT
public:
    // `title` names whose journal it is in the title bar.
    JournalWindow(const QString& title, QWidget* parent);

    // Shows `journal`; when it has only grown since, only its new entries are added.
    void ShowJournal(std::span<const game::JournalEntry> journal);

    QSize sizeHint() const override;

private:
    QPlainTextEdit* text_ = nullptr;
    std::size_t shown_ = 0;
    game::JournalEntry first_; // the first entry shown: a journal that begins otherwise is another
};

} // namespace tp::ui
