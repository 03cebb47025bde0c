// SPDX-License-Identifier: MIT
#include "ui/StatisticsWindow.h"

#include "statistics/StatisticsText.h"
#include "ui/Accessibility.h"
#include "ui/GameFonts.h"
#include "ui/WindowParts.h"
#include "ui/toolkit/AmountSpin.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace tp::ui {

StatisticsWindow::StatisticsWindow(const statistics::Statistics& statistics, const QString& problem,
                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("statistics"));
    setWindowTitle(tr("统计"));
    setFont(SongFont());
    SetAccessibleText(*this, tr("统计"));

    auto* layout = new QVBoxLayout(this);
    if (!problem.isEmpty()) {
        QLabel* problemLabel = PlainLabel(this, QStringLiteral("problem"), problem);
        problemLabel->setWordWrap(true);
        // Wrapped at a width of its own, so a long sentence does not stretch the figures apart.
        problemLabel->setMinimumWidth(
            QFontMetrics(font()).horizontalAdvance(QString(20, QChar(0x4E00))));
        QFont bold = problemLabel->font();
        bold.setBold(true);
        problemLabel->setFont(bold);
        SetAccessibleText(*problemLabel, tr("提示"), problem);
        layout->addWidget(problemLabel);
        layout->addSpacing(6);
    }

    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(24);
    figures->setColumnStretch(0, 1);
    const QString separator = AmountSeparator(locale());
    int row = 0;
    for (const statistics::Figure& figure : statistics::ShownFigures(statistics)) {
        QLabel* label = PlainLabel(this, QStringLiteral("label%1").arg(row), figure.label);
        QLabel* value = PlainLabel(this, QStringLiteral("value%1").arg(row),
                                   GroupedText(figure.value, separator));
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        label->setBuddy(value);
        SetAccessibleText(*value, figure.label);
        figures->addWidget(label, row, 0);
        figures->addWidget(value, row, 1);
        ++row;
    }
    layout->addLayout(figures);
    layout->addSpacing(6);

    auto* buttons = new QHBoxLayout;
    auto* close = new QPushButton(tr("关闭"), this);
    close->setObjectName(QStringLiteral("close"));
    close->setDefault(true);
    SetAccessibleText(*close, tr("关闭"), tr("关闭统计"));
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    close->setFocus(Qt::OtherFocusReason);
}

} // namespace tp::ui
