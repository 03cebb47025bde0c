// SPDX-License-Identifier: MIT
#include "app/WindowSet.h"

#include "ui/DiaryWindow.h"
#include "ui/HallOfFameWindow.h"
#include "ui/MainWindow.h"
#include "ui/ServiceWindow.h"
#include "ui/TradeDialog.h"
#include "ui/toolkit/Fonts.h"

#include <QCoreApplication>
#include <QDate>

namespace tp::app {

WindowSet::WindowSet(runtime::Random& random, std::optional<std::uint32_t> seed,
                     const QString& hallOfFamePath)
    : hallOfFame_(hallOfFamePath), game_(view_, random),
      main_(std::make_unique<ui::MainWindow>(game_, endOfRun_, hallOfFame_)) {
    view_.SetMainWindow(*main_);
    if (seed) {
        game_.Start(*seed);
    } else {
        game_.Start();
    }
}

WindowSet::~WindowSet() = default;

void WindowSet::Show() {
    main_->show();
    // The window's map request has gone to the display server by now; the faces are needed
    // from its first paint on, which comes from the event loop.
    ui::InstallGameFaces();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    CreateDialogs();
}

void WindowSet::CreateDialogs() {
    // The dialogs belong to the main window, which deletes them with itself.
    auto* trade = new ui::TradeDialog(main_.get(), game_, endOfRun_);
    auto* diary = new ui::DiaryWindow(main_.get(), endOfRun_);
    auto* services = new ui::ServiceWindow(main_.get(), game_, endOfRun_);
    main_->SetDialogs(*trade, *services);
    view_.SetDiary(*diary);
}

bool WindowSet::ShowHallOfFameAfterRun() {
    const std::optional<game::FinishedRun>& run = game_.Finished();
    if (!run) {
        return false;
    }
    main_->hide();
    const halloffame::Recorded recorded =
        hallOfFame_.Record(halloffame::EntryFromRun(*run, QDate::currentDate()));
    ui::HallOfFameWindow window(recorded.ranked,
                                ui::ThisRun{recorded.run, recorded.rank, run->dailyWorth},
                                recorded.problem);
    window.exec();
    return true;
}

} // namespace tp::app
