// SPDX-License-Identifier: MIT
#pragma once

#include <QSpinBox>

#include <optional>

namespace tp::ui {

// The typed-text rule of the spin edit: `text`, trimmed, must be ASCII digits, either
// ungrouped or grouped in threes by `groupSeparator` ("1000", "1,000"; not "1,0" or
// "10,00"), with a value from 0 to `max`. Anything else gives nullopt.
std::optional<int> ParseGroupedCount(const QString& text, const QString& groupSeparator, int max);

// `value` in decimal with `groupSeparator` between groups of three digits.
QString GroupedText(int value, const QString& groupSeparator);

// An edit box with its up-down control, as one widget. The spin box itself carries the
// spin control's name (e.g. "amountSpin"), its inner line edit the edit box's name (e.g.
// "amountEdit"), so either can be found by the name the window gives it.
//
// The range is Min..Max with Min always 0 and Max any non-negative 32-bit amount; it starts
// at 0..100 with position 0. The edit box groups digits with the locale's separator.
// Arrow buttons, Up/Down keys and the wheel step by 1 and stop at the ends.
// Typed text changes the position only when ParseGroupedCount accepts it within Min..Max.
// Anything else - letters, signs, full-width digits, numbers beyond the range or beyond
// 32 bits, a pasted page of text - leaves the position as it was (the edit box shows it
// again once the text is taken in). Typing itself is never refused.
class AmountSpin : public QSpinBox {
    Q_OBJECT
public:
    explicit AmountSpin(QWidget* parent = nullptr);

    // A negative Max is taken as 0: Min stays 0, so no position can become negative.
    void SetMax(int max);
    int Max() const { return maximum(); }
    int Min() const { return minimum(); }

    // Clamped into Min..Max. The edit box shows the value even if the user typed since.
    void SetPosition(int position);
    // Takes in whatever was typed first (per the rule above), then returns the position.
    int Position();

    void SetEditObjectName(const QString& name);
    QLineEdit* Edit() const { return lineEdit(); }

    // Places the combined control over the edit box's and the up-down control's boxes.
    void PlaceOver(const QRect& editBox, const QRect& upDownBox);

    // Steps in 64 bits and stops at the ends (the stock step wraps past the 32-bit end).
    void stepBy(int steps) override;

    // Background of the edit box (the window switches it on focus).
    void SetEditColor(const QColor& color);
    QColor EditColor() const;

signals:
    void EditEntered(); // the edit box gained the focus
    void EditExited();  // the edit box lost the focus

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    int valueFromText(const QString& text) const override;
    QString textFromValue(int value) const override;
    void fixup(QString& input) const override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString GroupSeparator() const;
};

} // namespace tp::ui
