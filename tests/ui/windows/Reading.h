// SPDX-License-Identifier: MIT
#pragma once

// Reading a window as a player or a screen reader does: a control is found by the name a
// screen reader announces it by, a button also by the caption the player reads on it, and a
// window by its being on the screen. Only controls on show count, since only they can be
// read: the service window keeps the panels it is not showing hidden, and two of its panels
// have buttons with the same caption. A lookup that finds no control, or more than one, fails
// the test and gives null.

#include <QAbstractButton>
#include <QAnyStringView>
#include <QApplication>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <QTreeWidget>
#include <QWidget>

#include <gtest/gtest.h>

namespace tp::ui::testing {

// A button's caption as the player reads it: without the "&" that marks its mnemonic.
inline QString CaptionRead(const QAbstractButton& button) {
    QString caption = button.text();
    caption.remove(QLatin1Char('&'));
    return caption;
}

// The one control of type `Control` on show in `window` that `matches`, or null.
template <typename Control, typename Match>
Control* OneOnShow(QWidget& window, const QString& what, Match matches) {
    QList<Control*> found;
    for (Control* control : window.findChildren<Control*>()) {
        if (control->window() == &window && control->isVisible() && matches(*control)) {
            found.append(control);
        }
    }
    if (found.size() != 1) {
        ADD_FAILURE() << window.objectName().toStdString() << " shows " << found.size()
                      << " controls " << what.toStdString() << ", not one";
        return nullptr;
    }
    return found.front();
}

// The control on show that a screen reader announces as `name`. A spin box and its edit box
// carry the same name: the type tells which is meant.
template <typename Control = QWidget> Control* Named(QWidget& window, QAnyStringView name) {
    const QString wanted = name.toString();
    return OneOnShow<Control>(window, QStringLiteral("named \"%1\"").arg(wanted),
                              [&](const Control& c) { return c.accessibleName() == wanted; });
}

// The button on show that is announced as `caption` or reads `caption` (e.g. "确定(O)").
inline QAbstractButton* ButtonOf(QWidget& window, QAnyStringView caption) {
    const QString wanted = caption.toString();
    return OneOnShow<QAbstractButton>(
        window, QStringLiteral("captioned \"%1\"").arg(wanted), [&](const QAbstractButton& b) {
            return b.accessibleName().isEmpty() ? CaptionRead(b) == wanted
                                                : b.accessibleName() == wanted;
        });
}

// The text of the label announced as `name`: a value of the status block, for one.
inline QString ValueShown(QWidget& window, QAnyStringView name) {
    const QLabel* label = Named<QLabel>(window, name);
    return label == nullptr ? QStringLiteral("<no label named %1>").arg(name.toString())
                            : label->text();
}

// The text of the label that names the control announced as `name` (the label's buddy).
inline QString LabelOf(QWidget& window, QAnyStringView name) {
    const QString wanted = name.toString();
    const QLabel* label = OneOnShow<QLabel>(
        window, QStringLiteral("labelling \"%1\"").arg(wanted), [&](const QLabel& l) {
            return l.buddy() != nullptr && l.buddy()->accessibleName() == wanted;
        });
    return label == nullptr ? QStringLiteral("<no label for %1>").arg(wanted) : label->text();
}

// The text a list shows in a cell; empty for a row that is not there.
inline QString Cell(const QTreeWidget* list, int row, int column) {
    const QTreeWidgetItem* item = list == nullptr ? nullptr : list->topLevelItem(row);
    return item == nullptr ? QString() : item->text(column);
}

// An icon as it is drawn, and a list row's icon so.
inline QImage Drawn(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage();
}
inline QImage IconOf(const QTreeWidget* list, int row) {
    const QTreeWidgetItem* item = list == nullptr ? nullptr : list->topLevelItem(row);
    return item == nullptr ? QImage() : Drawn(item->icon(0));
}

// The lines a text box shows, one per line break.
inline QStringList Lines(const QPlainTextEdit& text) {
    return text.toPlainText().split(QLatin1Char('\n'));
}

// The titles of the windows on the screen besides `main`, in no particular order.
inline QStringList OtherWindowsShown(const QWidget& main) {
    QStringList titles;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (window != &main && window->isVisible()) {
            titles << window->windowTitle();
        }
    }
    return titles;
}

} // namespace tp::ui::testing
