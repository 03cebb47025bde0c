#pragma once

#include "app/WindowSet.h"
#include "tests/game/FakeView.h"
#include "ui/Forms.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/Unit3.h"
#include "ui/Unit4.h"
#include "ui/toolkit/BitBtn.h"
#include "ui/toolkit/EndOfRun.h"
#include "ui/toolkit/Label.h"
#include <QPushButton>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <algorithm>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace tp::ui::testing {

// Answers modal windows as they open, in order: each step runs once the next modal window is
// up, with that window. Steps left over when the test ends fail it.
class ModalScript : public QObject {
public:
    using Step = std::function<void(QWidget& window)>;

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
        if (modal == nullptr || next_ >= steps_.size() ||
            std::find(handled_.begin(), handled_.end(), modal) != handled_.end()) {
            return;
        }
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
};

// Presses a dialog's button by object name, as a click would.
inline void Press(QWidget& window, const char* name) {
    auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
    ASSERT_NE(button, nullptr) << name;
    button->click();
}

// Closes a modal window the way its close box would.
inline void Dismiss(QWidget& window) {
    auto* dialog = qobject_cast<QDialog*>(&window);
    ASSERT_NE(dialog, nullptr);
    dialog->reject();
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

// The windows of one game, seeded, with the end-of-run flag cleared for each test.
class WindowsTest : public ::testing::Test {
protected:
    void Start(std::uint32_t seed) {
        ResetEndOfRunForTests();
        windows_ = std::make_unique<app::WindowSet>(seed);
        windows_->Show();
    }
    void TearDown() override {
        EXPECT_EQ(script.Pending(), 0u) << "a modal window that the test expected never opened";
        windows_.reset();
        ResetEndOfRunForTests();
    }
    game::Game& Game() { return windows_->Game(); }
    game::GameState& State() { return windows_->Game().MutableState(); }
    QString Title() const { return Form1->windowTitle(); }
    // The next journey brings event k, or none for k < 0.
    void NextJourney(int k) { Game().Generator().SeedWith(game::testing::StateForJourney(k)); }

    ModalScript script;

private:
    std::unique_ptr<app::WindowSet> windows_;
};

} // namespace tp::ui::testing
