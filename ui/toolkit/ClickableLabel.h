// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace tp::ui {

// A label that reports clicks. It takes no focus: the one such label, the player's name, is
// reached from the keyboard by the main window's F2.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& caption = {}, QWidget* parent = nullptr);

signals:
    // A left click: press and release on the label.
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace tp::ui
