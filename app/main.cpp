// SPDX-License-Identifier: MIT
#include "app/DisplayCheck.h"
#include "app/DisplayFailureGuard.h"
#include "app/Language.h"
#include "app/Options.h"
#include "app/WindowSet.h"
#include "halloffame/HallOfFameStore.h"
#include "halloffame/ScoresTable.h"
#include "journey/JournalArchive.h"
#include "journey/JournalText.h"
#include "journey/JourneyStore.h"
#include "runtime/Random.h"
#include "statistics/StatisticsStore.h"
#include "statistics/StatisticsText.h"
#include "ui/GameFonts.h"
#include "ui/pictures/Icons.h"
#include "ui/toolkit/AmountSpin.h"

#include <QApplication>
#include <QLocale>
#include <QTranslator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include <unistd.h>

namespace {

void Print(std::FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

QStringList ArgumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

// The figures a line, each value set flush right in a column before its label: digits are one
// column wide in every terminal, which a label's characters need not be.
QString StatisticsText(const tp::statistics::Statistics& statistics) {
    const QList<tp::statistics::Figure> figures = tp::statistics::ShownFigures(statistics);
    const QString separator = tp::ui::AmountSeparator(QLocale());
    QStringList values;
    qsizetype width = 0;
    for (const tp::statistics::Figure& figure : figures) {
        values << tp::ui::GroupedText(figure.value, separator);
        width = std::max(width, values.last().size());
    }
    QString text;
    for (qsizetype i = 0; i < figures.size(); ++i) {
        text += values.at(i).rightJustified(width) + QStringLiteral("  ") + figures.at(i).label +
                QLatin1Char('\n');
    }
    return text;
}

// The journal a line an entry; 1, and one line on standard error, when there is none.
int PrintJournal() {
    QString problem;
    const std::vector<tp::game::JournalEntry> journal =
        tp::journey::LatestJournal(tp::journey::JourneyStore::DefaultPath(), &problem);
    if (!problem.isEmpty()) {
        Print(stderr, QStringLiteral("tidepeddler: %1\n").arg(problem));
    }
    if (journal.empty()) {
        if (problem.isEmpty()) {
            Print(stderr, QStringLiteral("tidepeddler: %1\n")
                              .arg(QCoreApplication::translate(
                                  "CommandLine",
                                  "no journal to show: no journey is saved and no run has ended")));
        }
        return 1;
    }
    Print(stdout, tp::journey::JournalLines(journal).join(QLatin1Char('\n')) + QLatin1Char('\n'));
    return 0;
}

// The planner is a program of its own beside this one: the solver it links is never loaded by
// the game. It is given the same command line, and answers in this program's place.
int RunPlanner(char* argv[]) {
    // Beside the program in a build tree; under lib/tidepeddler once installed (/usr/games
    // finds /usr/lib/tidepeddler).
    std::error_code error;
    const std::filesystem::path folder =
        std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    std::string planner = (folder / "tidepeddler-planner").string();
    if (!std::filesystem::is_regular_file(planner, error)) {
        planner = (folder.parent_path() / "lib/tidepeddler/tidepeddler-planner").string();
    }
    argv[0] = const_cast<char*>(planner.c_str());
    execv(planner.c_str(), argv);
    Print(stderr,
          QStringLiteral("tidepeddler: cannot run %1: %2\n")
              .arg(QString::fromStdString(planner), QString::fromLocal8Bit(strerror(errno))));
    return 1;
}

// The answer to a command line that only asks to print something, and the exit status.
int Answer(const tp::app::Options& options, QTranslator* catalogue, int argc, char* argv[]) {
    switch (options.action) {
    case tp::app::Options::Action::ShowHelp:
        Print(stdout, options.helpText);
        return 0;
    case tp::app::Options::Action::ShowVersion:
        Print(stdout, QStringLiteral("tidepeddler %1\n").arg(QStringLiteral(TP_VERSION)));
        return 0;
    case tp::app::Options::Action::ShowScores:
    case tp::app::Options::Action::ShowStatistics:
    case tp::app::Options::Action::ShowJournal: {
        // The table, the figures and the journal speak the player's language too; they need no
        // display.
        QCoreApplication application(argc, argv);
        if (catalogue != nullptr) {
            QCoreApplication::installTranslator(catalogue);
        }
        if (options.action == tp::app::Options::Action::ShowJournal) {
            return PrintJournal();
        }
        if (options.action == tp::app::Options::Action::ShowStatistics) {
            // As the table: a damaged file is only reported, and moved aside when the next
            // journey ends.
            const tp::statistics::Found found =
                tp::statistics::StatisticsStore(tp::statistics::StatisticsStore::DefaultPath())
                    .Read();
            if (!found.problem.isEmpty()) {
                Print(stderr, QStringLiteral("tidepeddler: %1\n").arg(found.problem));
            }
            Print(stdout, StatisticsText(found.statistics));
            return 0;
        }
        // Reading never changes the file: a damaged one is only reported, and kept for the
        // next finished run to move aside.
        const tp::halloffame::Table table =
            tp::halloffame::HallOfFameStore(tp::halloffame::HallOfFameStore::DefaultPath()).Read();
        if (!table.problem.isEmpty()) {
            Print(stderr, QStringLiteral("tidepeddler: %1\n").arg(table.problem));
        }
        Print(stdout, tp::halloffame::FormatScoresTable(table.ranked));
        return 0;
    }
    case tp::app::Options::Action::ShowBestRun:
        return RunPlanner(argv);
    case tp::app::Options::Action::Fail:
        Print(stderr, QStringLiteral("tidepeddler: %1\n\n%2").arg(options.error, options.helpText));
        return 2;
    case tp::app::Options::Action::Play:
        break;
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // The player's language, from the locale; Simplified Chinese, the game's own, needs no
    // catalogue, so that start costs nothing more.
    const std::unique_ptr<QTranslator> catalogue =
        tp::app::CatalogueFor(tp::app::LanguageFor(QLocale::system().uiLanguages()));
    // The command line is read before anything of the windowing system is touched, so what
    // only prints works without a display and never loads a platform plugin.
    const tp::app::Options options =
        tp::app::ParseOptions(ArgumentsOf(argc, argv), catalogue.get());
    if (options.action != tp::app::Options::Action::Play) {
        return Answer(options, catalogue.get(), argc, argv);
    }
    const QString noDisplay =
        QStringLiteral("tidepeddler: %1\n")
            .arg(tp::app::Said(catalogue.get(), "CommandLine", tp::app::kNoDisplayText));
    if (!tp::app::CanShowWindows(tp::app::DisplaySettingsFromEnvironment(),
                                 tp::app::SystemDisplayProbes())) {
        Print(stderr, noDisplay);
        return 1;
    }

    tp::app::DisplayFailureGuard guard(noDisplay.toLocal8Bit());
    QApplication application(argc, argv);
    guard.Dismiss();
    if (catalogue) {
        QApplication::installTranslator(catalogue.get());
    }
    QApplication::setApplicationVersion(QStringLiteral(TP_VERSION));
    // Lets a desktop match the window to its menu entry (its icon and name) where the window
    // class alone does not, as under Wayland.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.tidepeddler.TidePeddler"));

    tp::ui::SetDefaultGameFont();
    QApplication::setWindowIcon(tp::ui::WindowIcon());
    tp::runtime::Random random;
    tp::app::WindowSet windows(random, options.seed);
    windows.Show();
    QApplication::exec();
    windows.ShowHallOfFameAfterRun();
    return 0;
}
