// SPDX-License-Identifier: MIT
#include "ui/toolkit/AmountSpin.h"

#include <QLineEdit>

#include <algorithm>

namespace tp::ui {

std::optional<int> ParseGroupedCount(const QString& text, const QString& groupSeparator, int max) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || max < 0) {
        return std::nullopt;
    }
    const bool grouped = !groupSeparator.isEmpty() && trimmed.contains(groupSeparator);
    qint64 value = 0;
    int digitsInGroup = 0;
    int groups = 0;
    const qsizetype step = grouped ? groupSeparator.size() : 1;
    for (qsizetype i = 0; i < trimmed.size();) {
        if (grouped && QStringView(trimmed).sliced(i).startsWith(groupSeparator)) {
            // The first group holds 1 to 3 digits, every later one exactly 3.
            if (digitsInGroup == 0 || digitsInGroup > 3 || (groups > 0 && digitsInGroup != 3)) {
                return std::nullopt;
            }
            ++groups;
            digitsInGroup = 0;
            i += step;
            continue;
        }
        const char16_t c = trimmed.at(i).unicode();
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c - u'0');
        if (value > max) {
            return std::nullopt;
        }
        ++digitsInGroup;
        ++i;
    }
    if (grouped && digitsInGroup != 3) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

QString GroupedText(int value, const QString& groupSeparator) {
    const QString digits = QString::number(value);
    const bool negative = value < 0;
    const QStringView magnitude = QStringView(digits).sliced(negative ? 1 : 0);
    QString out;
    out.reserve(digits.size() + digits.size() / 3 * groupSeparator.size());
    if (negative) {
        out += u'-';
    }
    for (qsizetype i = 0; i < magnitude.size(); ++i) {
        if (i > 0 && (magnitude.size() - i) % 3 == 0) {
            out += groupSeparator;
        }
        out += magnitude.at(i);
    }
    return out;
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

int AmountSpin::Amount() {
    interpretText();
    return value();
}

QString AmountSpin::GroupSeparator() const {
    const QString separator = locale().groupSeparator();
    return separator.isEmpty() ? QStringLiteral(",") : separator;
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
