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

// An amount on a day.
struct DayAmount {
    int day = 0;
    std::int64_t amount = 0;
};

// Amounts of a run day by day, as a line through a dot for each over days 1 to 61, with labelled
// axes and a zero line: a run's worth (cash plus deposit minus debt) at the end of each day, or the
// prices a good was met at. Drawn by hand: a chart library would be loaded at every start of the
// game for one small picture.
class DayChart : public QWidget {
    Q_OBJECT
public:
    explicit DayChart(QWidget* parent = nullptr);

    // Worth at the end of day 1, 2, ...; the day axis runs to 61 or to the last day given.
    void SetWorth(std::vector<std::int64_t> dailyWorth);
    // The prices of `good`, met on the days given, in the order met.
    void SetPrices(const QString& good, std::vector<DayAmount> prices);

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
    void Set(std::vector<DayAmount> amounts);

    std::vector<DayAmount> amounts_;
    QString good_; // whose prices the chart shows; none for a run's worth
};

// The tick label of an amount: plain up to 9999, then in 万 (ten thousands) and 亿 (hundred
// millions), as Chinese readers count money: 5000, 1.5万, 20万, 3亿.
QString AmountLabel(std::int64_t amount);

// What a screen reader says about the chart: where the run started and ended, its highest and
// lowest worth and on which days.
QString WorthSummary(const std::vector<std::int64_t>& dailyWorth);
// Likewise for the prices a good was met at: how often, the first and the last, the highest and
// the lowest, with their days.
QString PriceSummary(const std::vector<DayAmount>& prices);

} // namespace tp::ui
