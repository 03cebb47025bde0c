// SPDX-License-Identifier: MIT
#pragma once

#include <QLocale>
#include <QSpinBox>

#include <optional>

namespace tp::ui {

// The typed-text rule of the spin edit: `text`, trimmed, must be ASCII digits, either
// ungrouped or grouped in threes by `groupSeparator` ("1000", "1,000"; not "1,0" or
// "10,00"), with a value from 0 to `max`. Anything else gives nullopt.
std::optional<int> ParseGroupedCount(const QString& text, const QString& groupSeparator, int max);

// `value` in decimal with `groupSeparator` between groups of three digits.
QString GroupedText(qint64 value, const QString& groupSeparator);

// What the game groups an amount's digits with in `locale`: its separator, or a comma where it
// names none.
QString AmountSeparator(const QLocale& locale);

// A spin box for an amount: 0 up to any non-negative 32-bit maximum, digits grouped with the
// locale's separator. Arrow buttons, Up/Down keys and the wheel step by 1 and stop at the ends.
// Typed text changes the value only when ParseGroupedCount accepts it within the range, and
// only once it is taken in (Enter, focus loss, a step or a read of Amount()). Anything else -
// letters, signs, full-width digits, numbers beyond the range or beyond 32 bits, a pasted page
// of text - leaves the value as it was (the edit box shows it again once the text is taken in).
// Typing itself is never refused.
class AmountSpin : public QSpinBox {
    Q_OBJECT
public:
    explicit AmountSpin(QWidget* parent = nullptr);

    // A negative maximum is taken as 0, so the value can never become negative.
    void SetMaximum(int maximum);
    // Takes in whatever was typed first, then returns the value.
    int Amount();

    // What a screen reader announces the spin box as, and its edit box too: the edit box is
    // what has the focus.
    void SetPurpose(const QString& purpose);

    // The edit box inside, which the window names and colours and tests type into.
    QLineEdit* Edit() const { return lineEdit(); }

    // Steps in 64 bits and stops at the ends (the stock step wraps past the 32-bit end).
    void stepBy(int steps) override;

signals:
    void editEntered(); // the edit box gained the focus
    void editExited();  // the edit box lost the focus

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
