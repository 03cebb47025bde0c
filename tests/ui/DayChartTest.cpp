// SPDX-License-Identifier: MIT
#include "ui/DayChart.h"

#include "tests/ui/halloffame/WindowTestData.h"

#include <QAccessible>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>

namespace tp::ui {
namespace {

using fametest::Worth;

bool NearColour(QRgb pixel, const QColor& colour) {
    return std::abs(qRed(pixel) - colour.red()) < 40 &&
           std::abs(qGreen(pixel) - colour.green()) < 40 &&
           std::abs(qBlue(pixel) - colour.blue()) < 40;
}

TEST(DayChart, DrawsOnePointPerDayAcrossTheDays) {
    DayChart chart;
    chart.resize(600, 240);
    const std::vector<std::int64_t> worth = Worth();
    chart.SetWorth(worth);

    const QList<QPointF> points = chart.PlotPoints();
    ASSERT_EQ(points.size(), 61);
    const QRectF plot = chart.PlotArea();
    EXPECT_DOUBLE_EQ(points.first().x(), plot.left());
    EXPECT_DOUBLE_EQ(points.last().x(), plot.right());
    for (int i = 0; i < 61; ++i) {
        EXPECT_TRUE(plot.adjusted(-0.01, -0.01, 0.01, 0.01).contains(points[i])) << i;
        if (i > 0) {
            EXPECT_GT(points[i].x(), points[i - 1].x());
            // Higher worth is higher up.
            const std::int64_t change =
                worth[static_cast<std::size_t>(i)] - worth[static_cast<std::size_t>(i) - 1];
            if (change > 0) {
                EXPECT_LT(points[i].y(), points[i - 1].y()) << i;
            } else if (change < 0) {
                EXPECT_GT(points[i].y(), points[i - 1].y()) << i;
            }
        }
    }

    // Each day's point is actually drawn.
    const QImage image = chart.grab().toImage();
    const QColor ink = chart.palette().color(QPalette::Highlight);
    for (const QPointF& point : points) {
        const QPoint pixel = point.toPoint();
        EXPECT_TRUE(NearColour(image.pixel(pixel), ink))
            << pixel.x() << "," << pixel.y() << " is " << std::hex << image.pixel(pixel);
    }
}

TEST(DayChart, NegativeWorthLiesBelowTheZeroLine) {
    DayChart chart;
    chart.resize(500, 220);
    chart.SetWorth({-3000, -8000, -500, 0, 4000, 12000});
    const QRectF plot = chart.PlotArea();
    const qreal zero = chart.ZeroY();
    EXPECT_GT(zero, plot.top());
    EXPECT_LT(zero, plot.bottom());
    const QList<QPointF> points = chart.PlotPoints();
    ASSERT_EQ(points.size(), 6);
    EXPECT_GT(points[0].y(), zero);
    EXPECT_GT(points[1].y(), points[0].y());
    EXPECT_DOUBLE_EQ(points[3].y(), zero);
    EXPECT_LT(points[5].y(), zero);
    for (const QPointF& point : points) {
        EXPECT_LE(point.y(), points[1].y()); // the lowest worth is lowest
    }

    const QList<std::int64_t> ticks = chart.WorthTicks();
    EXPECT_TRUE(ticks.contains(0));
    EXPECT_LE(ticks.first(), -8000);
    EXPECT_GE(ticks.last(), 12000);
    EXPECT_LE(ticks.size(), 8);

    // The zero line is drawn in the text colour across the plot.
    const QImage image = chart.grab().toImage();
    const QColor text = chart.palette().color(QPalette::Text);
    const int y = static_cast<int>(zero);
    int dark = 0;
    for (int x = static_cast<int>(plot.left()) + 1; x < static_cast<int>(plot.right()); x += 7) {
        dark += NearColour(image.pixel(x, y), text) ? 1 : 0;
    }
    EXPECT_GT(dark, static_cast<int>(plot.width() / 7) * 3 / 4);
}

TEST(DayChart, AxesHaveRoundTicksAndChineseAmountLabels) {
    DayChart chart;
    chart.SetWorth(Worth());
    EXPECT_EQ(chart.DayTicks(), (QList<int>{1, 10, 20, 30, 40, 50, 61}));
    const QList<std::int64_t> ticks = chart.WorthTicks();
    ASSERT_GE(ticks.size(), 3);
    const std::int64_t step = ticks[1] - ticks[0];
    for (qsizetype i = 1; i < ticks.size(); ++i) {
        EXPECT_EQ(ticks[i] - ticks[i - 1], step);
        EXPECT_EQ(ticks[i] % step, 0);
    }

    EXPECT_EQ(AmountLabel(0), QStringLiteral("0"));
    EXPECT_EQ(AmountLabel(-5000), QStringLiteral("-5000"));
    EXPECT_EQ(AmountLabel(15000), QStringLiteral("1.5万"));
    EXPECT_EQ(AmountLabel(-200000), QStringLiteral("-20万"));
    EXPECT_EQ(AmountLabel(300000000), QStringLiteral("3亿"));
    EXPECT_EQ(AmountLabel(4294967294LL), QStringLiteral("42.95亿"));

    // Runs whose day moved past 61 widen the axis instead of losing days.
    chart.SetWorth(std::vector<std::int64_t>(63, 5));
    EXPECT_EQ(chart.DayTicks().last(), 63);
    EXPECT_EQ(chart.PlotPoints().size(), 63);
}

TEST(DayChart, ExtremeWorthStaysInsideThePlot) {
    DayChart chart;
    chart.resize(500, 220);
    const std::int64_t most = 2147483647LL * 2;
    const std::int64_t least = -2147483648LL * 2;
    chart.SetWorth({least, 0, most, most, least});
    const QRectF plot = chart.PlotArea().adjusted(-0.01, -0.01, 0.01, 0.01);
    for (const QPointF& point : chart.PlotPoints()) {
        EXPECT_TRUE(plot.contains(point));
    }
    chart.SetWorth({0, 0, 0});
    EXPECT_GE(chart.WorthTicks().size(), 2);
    chart.SetWorth({});
    EXPECT_TRUE(chart.PlotPoints().isEmpty());
    EXPECT_FALSE(chart.grab().isNull());
}

TEST(DayChart, ScreenReadersHearTheCurveSummarised) {
    DayChart chart;
    chart.SetWorth({-1000, -1500, 300, 8000, 7000});
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&chart);
    ASSERT_NE(accessible, nullptr);
    EXPECT_FALSE(accessible->text(QAccessible::Name).isEmpty());
    const QString description = accessible->text(QAccessible::Description);
    EXPECT_TRUE(description.contains(QStringLiteral("第 1 天身家 -1000 元")))
        << description.toStdString();
    EXPECT_TRUE(description.contains(QStringLiteral("第 5 天 7000 元")));
    EXPECT_TRUE(description.contains(QStringLiteral("最高 8000 元（第 4 天）")));
    EXPECT_TRUE(description.contains(QStringLiteral("最低 -1500 元（第 2 天）")));
    EXPECT_NE(chart.focusPolicy() & Qt::TabFocus, 0);
}

} // namespace
} // namespace tp::ui
