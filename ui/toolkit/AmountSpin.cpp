// SPDX-License-Identifier: MIT
#include "ui/toolkit/AmountSpin.h"

#include <QLineEdit>
#include <QRegularExpression>

#include <algorithm>

namespace tp::ui {

std::optional<int> ParseGroupedCount(const QString& text, const QString& groupSeparator, int max) {
    const QString trimmed = text.trimmed();
    // ASCII digits only: \d would take full-width and other scripts' digits too.
    const QString grouped = groupSeparator.isEmpty()
                                ? QString()
                                : QStringLiteral("|[0-9]{1,3}(%1[0-9]{3})+")
                                      .arg(QRegularExpression::escape(groupSeparator));
    if (max < 0 || !QRegularExpression(QStringLiteral("^([0-9]+%1)$").arg(grouped))
                        .match(trimmed)
                        .hasMatch()) {
        return std::nullopt;
    }
    qint64 value = 0;
    for (const QChar c : trimmed) {
        if (c.isDigit()) {
            value = value * 10 + (c.unicode() - u'0');
            if (value > max) {
                return std::nullopt;
            }
        }
    }
    return static_cast<int>(value);
}

QString GroupedText(qint64 value, const QString& groupSeparator) {
    QString text = QString::number(value);
    for (qsizetype at = text.size() - 3; at > (value < 0 ? 1 : 0); at -= 3) {
        text.insert(at, groupSeparator);
    }
    return text;
}

AmountSpin::AmountSpin(QWidget* parent) : QSpinBox(parent) {
    setRange(0, 100);
    setKeyboardTracking(false);
    setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
    setGroupSeparatorShown(true);
}

void AmountSpin::SetMaximum(int maximum) {
    setMaximum(std::max(maximum, 0));
}

void AmountSpin::SetPurpose(const QString& purpose) {
    setAccessibleName(purpose);
    lineEdit()->setAccessibleName(purpose);
}

int AmountSpin::Amount() {
    interpretText();
    return value();
}

QString AmountSeparator(const QLocale& locale) {
    const QString separator = locale.groupSeparator();
    return separator.isEmpty() ? QStringLiteral(",") : separator;
}

QString AmountSpin::GroupSeparator() const {
    return AmountSeparator(locale());
}

QValidator::State AmountSpin::validate(QString& input, int& /*pos*/) const {
    // Never Invalid: refusing keystrokes would stop the player from editing the text on the
    // way to a valid number; unusable text simply leaves the position alone.
    return ParseGroupedCount(input, GroupSeparator(), maximum()).has_value()
               ? QValidator::Acceptable
               : QValidator::Intermediate;
}

int AmountSpin::valueFromText(const QString& text) const {
    return ParseGroupedCount(text, GroupSeparator(), maximum()).value_or(value());
}

QString AmountSpin::textFromValue(int value) const {
    return GroupedText(value, GroupSeparator());
}

void AmountSpin::fixup(QString& /*input*/) const {
    // Deliberately nothing: the stock fixup strips separators loosely ("1,0" would become
    // 10); text that fails the rule keeps the previous position instead.
}

void AmountSpin::stepBy(int steps) {
    interpretText();
    // Stepping in 64 bits: the stock step adds in int and wraps at the 32-bit end.
    const qint64 target =
        std::clamp<qint64>(qint64{value()} + steps, qint64{minimum()}, qint64{maximum()});
    QSpinBox::stepBy(static_cast<int>(target - value()));
}

void AmountSpin::focusInEvent(QFocusEvent* event) {
    QSpinBox::focusInEvent(event);
    emit editEntered();
}

void AmountSpin::focusOutEvent(QFocusEvent* event) {
    QSpinBox::focusOutEvent(event);
    emit editExited();
}

} // namespace tp::ui
