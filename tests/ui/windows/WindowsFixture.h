// SPDX-License-Identifier: MIT
#pragma once

#include "Reading.h"
#include "UserInput.h"
#include "app/WindowSet.h"
#include "tests/game/FakeView.h"
#include "ui/MainWindow.h"
#include "ui/toolkit/EndOfRun.h"
#include "ui/toolkit/RowList.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <array>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace tp::ui::testing {

// Answers modal windows as they open, in order: each step runs once the next modal window is
// up, with that window. Steps left over when the test ends fail it. A modal window that stays
// up with no step left to answer it (a key that went astray) fails the test and is closed, so
// the test ends instead of waiting for ever.
class ModalScript : public QObject {
public:
    using Step = std::function<void(QWidget& window)>;

    // Watching from the start: a window that opens when none was expected must not hang.
    ModalScript() { Arm(); }

    void Then(Step step) {
        steps_.push_back(std::move(step));
        Arm();
    }
    std::size_t Pending() const { return steps_.size() - next_; }
    const std::vector<QString>& Seen() const { return seen_; }

private:
    void Arm() {
        if (armed_) {
            return;
        }
        armed_ = true;
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }
    void Poll() {
        // A window that closed may open again later as a new modal window.
        std::erase_if(handled_,
                      [](const QPointer<QWidget>& w) { return w.isNull() || !w->isVisible(); });
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            waiting_ = nullptr;
            return;
        }
        if (next_ >= steps_.size() ||
            std::find(handled_.begin(), handled_.end(), modal) != handled_.end()) {
            CloseIfStuck(*modal);
            return;
        }
        waiting_ = nullptr;
        handled_.emplace_back(modal);
        modal->installEventFilter(this);
        seen_.push_back(modal->windowTitle());
        Step step = steps_[next_++];
        // The step runs from its own timer: a step that opens another modal window blocks
        // there, and this poll must stay free to answer that window too.
        QPointer<QWidget> target(modal);
        QTimer::singleShot(0, modal, [step, target] {
            if (!target.isNull()) {
                step(*target);
            }
        });
    }

    void CloseIfStuck(QWidget& modal) {
        if (waiting_ != &modal) {
            waiting_ = &modal;
            waitingFor_.start();
            return;
        }
        if (waitingFor_.elapsed() < kStuckMs) {
            return;
        }
        ADD_FAILURE() << "the modal window \"" << modal.windowTitle().toStdString()
                      << "\" stayed open with nothing left to answer it";
        waiting_ = nullptr;
        if (auto* dialog = qobject_cast<QDialog*>(&modal)) {
            dialog->reject();
        }
    }

    // A handled window that hides is done with: if it opens again it is a new modal window.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide) {
            std::erase_if(handled_, [watched](const QPointer<QWidget>& w) { return w == watched; });
            watched->removeEventFilter(this);
        }
        return false;
    }

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    std::vector<QString> seen_;
    QTimer timer_;
    bool armed_ = false;
    std::vector<QPointer<QWidget>> handled_;
    // Far beyond any answer's time, even under the sanitizers: only a window nobody will ever
    // answer waits this long.
    static constexpr qint64 kStuckMs = 20000;
    QPointer<QWidget> waiting_;
    QElapsedTimer waitingFor_;
};

// Presses the button of a window that reads `caption` (see ButtonOf) with a click of the
// pointer.
inline void Press(QWidget& window, QAnyStringView caption) {
    Click(ButtonOf(window, caption));
}

// Closes a modal window the way its close box does: the window manager asks it to close.
inline void Dismiss(QWidget& window) {
    auto* dialog = qobject_cast<QDialog*>(&window);
    ASSERT_NE(dialog, nullptr);
    dialog->close();
}

// The text a message box shows.
inline QString MessageText(QWidget& window) {
    QString text;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->text().isEmpty() && label->pixmap().isNull()) {
            text += label->text();
        }
    }
    return text;
}

// The windows of one game, seeded, drawing from a generator the test controls.
class WindowsTest : public ::testing::Test {
protected:
    void Start(std::uint32_t seed) { Start(std::optional<std::uint32_t>(seed)); }
    // A start with no seed given, as a player starts the game.
    void StartPlain() { Start(std::optional<std::uint32_t>()); }
    void Start(std::optional<std::uint32_t> seed) {
        windows_.reset();
        windows_ = std::make_unique<app::WindowSet>(random, seed,
                                                    app::Places{HallOfFamePath(), JourneyPath()});
        windows_->Show();
    }
    void TearDown() override {
        EXPECT_EQ(script.Pending(), 0u) << "a modal window that the test expected never opened";
        windows_.reset();
    }
    game::Game& Game() { return windows_->Game(); }
    const game::GameState& State() { return windows_->Game().State(); }
    // Puts the game in a changed state, shown in the windows as it stands.
    template <typename Change> void Edit(Change change) {
        game::SavedJourney journey = Game().Snapshot();
        change(journey.state);
        Game().Resume(journey);
    }
    MainWindow& Main() { return windows_->MainWindow(); }
    // The main window's controls, as its player reads them.
    QString Shown(QAnyStringView name) { return ValueShown(Main(), name); }
    // Read in the language of the catalogue installed, if any.
    RowList* Market() {
        return Named<RowList>(Main(),
                              QCoreApplication::translate("tp::ui::MainWindow", "今日市场"));
    }
    RowList* Carried() {
        return Named<RowList>(Main(),
                              QCoreApplication::translate("tp::ui::MainWindow", "随身货物"));
    }
    QAbstractButton* Button(QAnyStringView caption) { return ButtonOf(Main(), caption); }
    QWidget* NameBox() { return Named<QLabel>(Main(), "姓名"); }
    // The map's place buttons, in the order of kPlaceNames.
    QAbstractButton* PlaceButton(std::size_t place) { return Button(kPlaceNames[place]); }
    // The titles of the dialogs and message boxes on the screen: none while the player is
    // back in the main window.
    QStringList DialogsShown() { return OtherWindowsShown(Main()); }
    bool RunEnding() const { return windows_->EndOfRun().Requested(); }
    bool ShowHallOfFameAfterRun() { return windows_->ShowHallOfFameAfterRun(); }
    // Each test keeps its hall of fame in a folder of its own.
    QString HallOfFamePath() const {
        return dataFolder_.filePath(QStringLiteral("hall-of-fame.json"));
    }
    QString JourneyPath() const { return dataFolder_.filePath(QStringLiteral("journey.json")); }
    QString Title() { return Main().windowTitle(); }
    // The next journey brings event k, or none for k < 0.
    void NextJourney(int k) { random.SeedWith(game::testing::StateForJourney(k)); }

    // The map's places as their buttons read.
    static constexpr std::array<const char*, 10> kPlaceNames{
        "火车站", "李沧区", "栈桥",   "东海路",       "中山路",
        "啤酒城", "小青岛", "四方区", "李村集贸市场", "长途站"};

    runtime::Random random;
    ModalScript script;

private:
    QTemporaryDir dataFolder_;
    std::unique_ptr<app::WindowSet> windows_;
};

} // namespace tp::ui::testing
