// SPDX-License-Identifier: MIT
#pragma once

// Input as a player gives it: keys go to whatever has the focus in the window, clicks land on
// a control or on a list row, text a keyboard has no keys for comes from an input method.

#include "ui/toolkit/RowList.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <ostream>

// Failure messages show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace tp::ui::testing {

// Makes `window` the active window. A desktop's window manager hands the activation back to
// the main window when a dialog above it closes; the offscreen platform has none, so a test
// does that itself before it types into the main window again.
inline void Activate(QWidget& window) {
    if (QApplication::activeWindow() == &window) {
        return;
    }
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << window.objectName().toStdString();
}

// The control of `window` that keys go to: its focus widget, or the window itself.
inline QWidget& KeyTarget(QWidget& window) {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && focus->window() == &window ? *focus : window;
}

// One key press and release in `window`, with shortcuts and mnemonics (Alt+O) looked up as
// for a real key.
inline void Key(QWidget& window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    Activate(window);
    QTest::keyClick(&KeyTarget(window), key, modifiers);
}

// Types `text` key by key into `window`; ASCII only, as on a keyboard. Each key goes where the
// focus is when it is pressed: a key may move the focus, and the next one follows it.
inline void Type(QWidget& window, const QString& text) {
    for (const QChar c : text) {
        ASSERT_LT(c.unicode(), 0x80) << "a keyboard has no key for this; use Compose";
    }
    Activate(window);
    for (const QChar c : text) {
        QTest::keyClick(&KeyTarget(window), c.toLatin1());
    }
}

// Enters `text` as an input method commits it: how Chinese or full-width text arrives.
inline void Compose(QWidget& window, const QString& text) {
    Activate(window);
    QInputMethodEvent commit;
    commit.setCommitString(text);
    QApplication::sendEvent(&KeyTarget(window), &commit);
}

// A left click in the middle of a control.
inline void Click(QWidget* control) {
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(control->isVisible()) << control->objectName().toStdString();
    QTest::mouseClick(control, Qt::LeftButton);
}

// The middle of a row, in the coordinates of the list's viewport (where the pointer lands).
inline QPoint RowPoint(const RowList& list, int row) {
    return list.visualItemRect(list.topLevelItem(row)).center();
}

// A left click on a row of a list.
inline void ClickRow(RowList& list, int row) {
    ASSERT_GE(row, 0);
    ASSERT_LT(row, list.topLevelItemCount());
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, RowPoint(list, row));
}

// A double click on a row, as the pointer delivers it: a click, then the second press that
// the toolkit reports as a double click, and its release.
inline void DoubleClickRow(RowList& list, int row) {
    ASSERT_GE(row, 0);
    ASSERT_LT(row, list.topLevelItemCount());
    const QPoint at = RowPoint(list, row);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(list.viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

} // namespace tp::ui::testing
