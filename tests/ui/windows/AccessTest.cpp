// SPDX-License-Identifier: MIT
#include "WindowsFixture.h"

#include "ui/toolkit/AmountSpin.h"
#include "ui/toolkit/RowList.h"
#include <QPlainTextEdit>

#include <QAbstractButton>
#include <QGroupBox>

#include <algorithm>
#include <functional>

namespace tp::ui::testing {
namespace {

class Access : public WindowsTest {};

QString Describe(const QWidget* widget) {
    return widget == nullptr
               ? QStringLiteral("nothing")
               : widget->objectName() + QStringLiteral(" (") +
                     QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(')');
}

// Tab goes through the main window in the order a player scans it, round to the start again;
// Shift+Tab goes the same way back. Nothing else is in the chain.
TEST_F(Access, TabWalksTheMainWindowInItsOrderAndShiftTabWalksBack) {
    Start(7);
    MainWindow& m = Main();
    std::vector<QWidget*> order{Carried(),      Market(),       Button("买入"), Button("卖出"),
                                Button("医院"), Button("银行"), Button("声明"), Button("网吧")};
    for (std::size_t place = 0; place < kPlaceNames.size(); ++place) {
        order.push_back(PlaceButton(place));
    }
    order.insert(order.end(), {Button("中介"), Button("帮助")});
    ASSERT_EQ(order.size(), 20u);
    ASSERT_EQ(std::count(order.begin(), order.end(), nullptr), 0);

    Activate(m);
    ASSERT_EQ(QApplication::focusWidget(), order.front()) << "the window opens on the goods";
    for (std::size_t i = 1; i <= order.size(); ++i) {
        Key(m, Qt::Key_Tab);
        QWidget* expected = order[i % order.size()];
        EXPECT_EQ(QApplication::focusWidget(), expected)
            << "Tab " << i << ": " << Describe(QApplication::focusWidget()).toStdString()
            << " instead of " << Describe(expected).toStdString();
    }
    for (std::size_t i = order.size(); i-- > 0;) {
        Key(m, Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), order[i])
            << "Shift+Tab to " << i << ": " << Describe(QApplication::focusWidget()).toStdString()
            << " instead of " << Describe(order[i]).toStdString();
    }
    EXPECT_EQ(QApplication::focusWidget(), order.front());
}

// What a screen reader announces a control by, under the rule these windows are held to.
// A control's accessible name always counts. Buttons and radio buttons without one are
// announced by their caption (without the mnemonic's "&"), so a caption counts for them - but
// only one with a letter in it: "=>" read out as punctuation tells nobody what it does. Every
// other control (lists, memos, spin boxes and the edit boxes inside them, labels) shows a
// value or a text rather than its purpose, so only an accessible name counts for it. A spin
// box's edit box takes the focus itself and is checked on its own.
QString AnnouncedName(const QWidget& control) {
    if (!control.accessibleName().trimmed().isEmpty()) {
        return control.accessibleName();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        QString caption = button->text();
        caption.remove(QLatin1Char('&'));
        if (std::any_of(caption.cbegin(), caption.cend(), [](QChar c) { return c.isLetter(); })) {
            return caption;
        }
    }
    return {};
}

// The controls of `window` that take the focus: those on show, and those of the service
// window's panels that are hidden only because another panel is on show. The dialogs are
// children of the main window but windows of their own, so they are left to their own walk.
std::vector<const QWidget*> FocusableControls(const QWidget& window) {
    std::vector<const QWidget*> controls;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (control->window() != &window || control->focusPolicy() == Qt::NoFocus) {
            continue;
        }
        const QWidget* within = &window;
        for (const QWidget* up = control->parentWidget(); up != &window; up = up->parentWidget()) {
            if (qobject_cast<const QGroupBox*>(up) != nullptr) {
                within = up;
            }
        }
        if (control->isVisibleTo(within)) {
            controls.push_back(control);
        }
    }
    return controls;
}

// Checks the window that is up: every focusable control has a name, and there is at least
// one control to check, so an empty walk cannot pass.
void ExpectEveryControlNamed(const QWidget& window, const QWidget* mustInclude) {
    const std::vector<const QWidget*> controls = FocusableControls(window);
    EXPECT_FALSE(controls.empty()) << window.objectName().toStdString();
    EXPECT_NE(std::find(controls.begin(), controls.end(), mustInclude), controls.end())
        << Describe(mustInclude).toStdString() << " was not walked";
    QStringList unnamed;
    for (const QWidget* control : controls) {
        if (AnnouncedName(*control).isEmpty()) {
            unnamed << Describe(control);
        }
    }
    EXPECT_TRUE(unnamed.isEmpty())
        << window.objectName().toStdString() << ": these take the focus but have no name: "
        << unnamed.join(QStringLiteral(", ")).toStdString();
}

// The edit box of the amount announced as `name`, which takes the focus for its spin box.
const QWidget* AmountEdit(QWidget& window, QAnyStringView name) {
    const AmountSpin* amount = Named<AmountSpin>(window, name);
    return amount == nullptr ? nullptr : amount->Edit();
}

TEST_F(Access, EveryFocusableControlOfEveryWindowHasAName) {
    Start(7);
    ExpectEveryControlNamed(Main(), Market());

    ClickRow(*Market(), 0);
    script.Then([](QWidget& window) {
        ExpectEveryControlNamed(window, AmountEdit(window, "数量"));
        Key(window, Qt::Key_Escape);
    });
    Click(Button("买入"));

    NextJourney(30);
    script.Then([](QWidget& window) {
        EXPECT_EQ(window.windowTitle(), QStringLiteral("我的日记本"));
        ExpectEveryControlNamed(window, ButtonOf(window, "关闭(C)"));
        Key(window, Qt::Key_Escape);
    });
    Click(PlaceButton(0));

    // Each panel in turn, with the control that must be among those walked.
    using Control = std::function<const QWidget*(QWidget&)>;
    const auto text = [](const char* name) -> Control {
        return [name](QWidget& window) { return Named<QPlainTextEdit>(window, name); };
    };
    const std::vector<std::pair<const char*, Control>> panels{
        {"银行", [](QWidget& window) { return AmountEdit(window, "金额"); }},
        {"医院", text("医生的话")},
        {"网吧", text("网吧的提示")},
        {"中介", text("中介老板的话")},
        {"声明", text("作者的声明")},
        {"帮助", text("游戏帮助")},
    };
    for (const auto& [opener, control] : panels) {
        script.Then([control = control](QWidget& window) {
            ExpectEveryControlNamed(window, control(window));
            Key(window, Qt::Key_Escape);
        });
        Click(Button(opener));
    }
    EXPECT_EQ(script.Seen().size(), 8u);
}

} // namespace
} // namespace tp::ui::testing
