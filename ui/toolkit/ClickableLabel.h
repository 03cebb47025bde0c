// SPDX-License-Identifier: MIT
#pragma once

#include <QLabel>

namespace tp::ui {

// A label that reports clicks, and can be made reachable from the keyboard so whatever a
// click does is also possible without a mouse.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(const QString& caption = {}, QWidget* parent = nullptr);

    void SetCaption(const QString& caption) { setText(caption); }
    QString Caption() const { return text(); }

    // Text colour and, when set, an opaque background.
    void SetFontColor(const QColor& color);
    void SetColor(const QColor& background);

    // Reachable: the label takes the focus by Tab or click, shows a focus frame, and Enter or
    // Space act as a click.
    void SetKeyboardReachable(bool reachable);
    bool KeyboardReachable() const { return focusPolicy() != Qt::NoFocus; }

signals:
    // A left click (press and release on the label), or Enter/Space when reachable.
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace tp::ui
