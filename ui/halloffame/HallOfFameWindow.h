// SPDX-License-Identifier: MIT
#pragma once

#include "halloffame/Entry.h"

#include <QDialog>
#include <QList>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace tp::journey {
class JournalArchive;
}

namespace tp::ui {

class DayChart;

// The run that has just ended, when the window is shown at the end of a run.
struct ThisRun {
    halloffame::Entry entry;              // as recorded
    int rank = 0;                         // among all recorded runs, 1-based
    std::vector<std::int64_t> dailyWorth; // worth at the end of day 1, 2, ...
};

// The hall of fame (富豪榜): the ten best finished runs, with rank, name, amount, debt, date
// and seed. After a run its row is highlighted and has the focus; when it did not reach the ten
// it is shown under the table with its rank, and a chart shows its worth day by day. The
// replay command of the selected row can be selected and copied. Enter, Esc and the close box
// close it, and the selected run's journal opens from it when it is kept. Show it with exec().
class HallOfFameWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int ShownRuns = 10;

    // `ranked`: the recorded runs, best first (HallOfFameStore's Table or Recorded); only the
    // first ShownRuns are shown. When `thisRun` ranks within them, ranked[rank - 1] is that
    // run. `problem` is said plainly above the table (e.g. that the run could not be saved).
    // The journal of a listed run opens from `journals`, where it is kept.
    HallOfFameWindow(const QList<halloffame::Entry>& ranked, std::optional<ThisRun> thisRun = {},
                     const QString& problem = {}, const journey::JournalArchive* journals = nullptr,
                     QWidget* parent = nullptr);

    // The command that replays the selected row: "tidepeddler --seed N"; empty without one.
    QString ReplayCommand() const;

private:
    QTableWidget* MakeTable(const QString& name, const QString& description);
    void AddRow(QTableWidget& table, int row, int rank, const halloffame::Entry& entry,
                bool highlighted);
    void FitColumns();
    void Follow(QTableWidget& selected, QTableWidget* other);
    void CopyCommand();
    void OpenJournal();

    QTableWidget* table_ = nullptr;
    QTableWidget* thisRunRow_ = nullptr;
    DayChart* chart_ = nullptr;
    QLineEdit* command_ = nullptr;
    QPushButton* copy_ = nullptr;
    QLabel* copied_ = nullptr;
    QPushButton* journal_ = nullptr;
    const journey::JournalArchive* journals_;
    QString selectedJourney_; // the journey the selected run ended
    QString selectedName_;
};

} // namespace tp::ui
