// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <vector>

namespace tp::ui {

// A run's worth (cash plus deposit minus debt) at the end of each day, as a line over days
// 1 to 61 with labelled axes and a zero line. Drawn by hand: a chart library would be loaded at
// every start of the game for one small picture.
class WorthChart : public QWidget {
    Q_OBJECT
public:
    explicit WorthChart(QWidget* parent = nullptr);

    // Worth at the end of day 1, 2, ...; the day axis runs to 61 or to the last day given.
    void SetWorth(std::vector<std::int64_t> dailyWorth);
    const std::vector<std::int64_t>& Worth() const { return worth_; }

    // Where the chart puts things at its present size, in its own coordinates.
    QRectF PlotArea() const;
    QList<QPointF> PlotPoints() const; // one per day
    qreal ZeroY() const;
    QList<std::int64_t> WorthTicks() const;
    QList<int> DayTicks() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Scale {
        std::int64_t low = 0;
        std::int64_t high = 0;
        std::int64_t step = 1;
    };
    Scale WorthScale() const;
    int LastDay() const;
    qreal XOf(int day) const;
    qreal YOf(std::int64_t worth) const;
    void UpdateDescription();

    std::vector<std::int64_t> worth_;
};

// The tick label of an amount: plain up to 9999, then in 万 (ten thousands) and 亿 (hundred
// millions), as Chinese readers count money: 5000, 1.5万, 20万, 3亿.
QString WorthLabel(std::int64_t worth);

// What a screen reader says about the chart: where the run started and ended, its highest and
// lowest worth and on which days.
QString WorthSummary(const std::vector<std::int64_t>& dailyWorth);

} // namespace tp::ui
