// SPDX-License-Identifier: MIT
#include "app/WindowSet.h"

#include "app/GameFaces.h"
#include "ui/JourneyQuestion.h"
#include "ui/MainWindow.h"
#include "ui/Messages.h"
#include "ui/halloffame/HallOfFameWindow.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QTimer>

#include <algorithm>

namespace tp::app {

namespace {

QString Joined(const QString& first, const QString& second) {
    return first.isEmpty() ? second
                           : (second.isEmpty() ? first : first + QLatin1Char('\n') + second);
}

} // namespace

namespace {

QString Beside(const QString& path, const QString& name) {
    return path.isEmpty() ? QString() : QFileInfo(path).absolutePath() + QLatin1Char('/') + name;
}

} // namespace

WindowSet::WindowSet(runtime::Random& random, std::optional<std::uint32_t> seed, Places places)
    : hallOfFame_(places.hallOfFame),
      statistics_(Beside(places.hallOfFame, QStringLiteral("statistics.json"))),
      journeys_(std::move(places.journey)), game_(view_, random, keeping_),
      main_(std::make_unique<ui::MainWindow>(game_, endOfRun_,
                                             ui::Records{hallOfFame_, statistics_, journals_})),
      seed_(seed) {
    view_.SetMainWindow(*main_);
    Prepare();
}

WindowSet::~WindowSet() = default;

void WindowSet::Prepare() {
    if (journeys_.Take() == journey::JourneyStore::Claim::HeldByAnother) {
        keeping_.KeepNothing();
        notice_ = QCoreApplication::translate(
            "tp::app::WindowSet", "另一局游戏正在进行，保存的旅程归它所有；这一局不会被保存。");
        return;
    }
    const journey::JourneyStore::Found found = journeys_.Load();
    if (found.damaged) {
        notice_ =
            found.setAside.isEmpty()
                ? QCoreApplication::translate("tp::app::WindowSet",
                                              "保存的旅程已损坏，无法接着走，也无法把它移开。"
                                              "新的旅程开始了。")
                : QCoreApplication::translate(
                      "tp::app::WindowSet", "保存的旅程已损坏，无法接着走；原文件已改名为 %1 保留。"
                                            "新的旅程开始了。")
                      .arg(QFileInfo(found.setAside).fileName());
    }
    if (found.file && found.file->ended) {
        RecordEndedRun(*found.file->ended, found.file->id);
    } else if (found.file && found.file->journey) {
        // The question is drawn from the game's faces like every window after it.
        InstallGameFaces();
        const game::SavedJourney& saved = *found.file->journey;
        if (ui::JourneyQuestion::Ask(saved.state, endOfRun_) == ui::JourneyQuestion::Answer::GoOn) {
            keeping_.GoOnWith(found.file->id);
            goingOn_ = saved;
        } else {
            keeping_.GivenUp(saved.state);
        }
    }
}

void WindowSet::Begin() {
    if (goingOn_) {
        game_.Resume(*goingOn_);
        goingOn_.reset();
    } else if (seed_) {
        game_.Start(*seed_);
    } else {
        game_.Start();
    }
}

void WindowSet::RecordEndedRun(const game::FinishedRun& run, const QString& id) {
    // The last run went home but the program stopped before the hall of fame held it. Recording
    // it again is harmless: the hall of fame knows the journey's runs it already holds.
    const halloffame::Recorded recorded =
        hallOfFame_.Record(halloffame::EntryFromRun(run, QDate::currentDate(), id));
    if (recorded.saved) {
        journeys_.Forget();
        notice_ =
            Joined(notice_, QCoreApplication::translate("tp::app::WindowSet",
                                                        "上次的旅程已经走完，成绩已记入富豪榜（按 "
                                                        "Ctrl+H 查看）。"));
    }
    notice_ = Joined(notice_, recorded.problem);
}

void WindowSet::Show() {
    main_->show();
    Begin();
    // The window's map request has gone to the display server by now; the faces are needed
    // from its first paint on, which comes from the event loop.
    InstallGameFaces();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (!notice_.isEmpty()) {
        QTimer::singleShot(0, main_.get(), [this] { Tell(std::exchange(notice_, QString())); });
    }
}

void WindowSet::Tell(const QString& text) {
    ui::Messages(endOfRun_, main_.get())
        .Inform(text, QCoreApplication::translate("tp::app::WindowSet", "提示"));
}

bool WindowSet::ShowHallOfFameAfterRun() {
    const std::optional<game::FinishedRun>& run = game_.Finished();
    if (!run) {
        return false;
    }
    main_->hide();
    const halloffame::Recorded recorded = hallOfFame_.Record(
        halloffame::EntryFromRun(*run, QDate::currentDate(), keeping_.JourneyId()));
    // Only once the hall of fame holds the run is the journey let go: until then a start finds
    // it and records it.
    if (recorded.saved) {
        keeping_.RunRecorded();
    }
    // The journals kept are those the window can open: of the runs it lists, and of this one.
    QStringList listed{keeping_.JourneyId()};
    for (qsizetype i = 0;
         i < std::min(recorded.ranked.size(), qsizetype{ui::HallOfFameWindow::ShownRuns}); ++i) {
        listed << recorded.ranked.at(i).journey;
    }
    journals_.KeepOnly(listed);
    ui::HallOfFameWindow window(recorded.ranked,
                                ui::ThisRun{recorded.run, recorded.rank, run->dailyWorth},
                                recorded.problem, &journals_);
    window.exec();
    return true;
}

} // namespace tp::app
