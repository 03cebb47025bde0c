// SPDX-License-Identifier: MIT
#include "ui/DayChart.h"

#include "ui/Accessibility.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>
#include <cmath>

namespace tp::ui {

namespace {

constexpr int FirstDay = 1;
constexpr int UsualLastDay = 61;
constexpr int WorthTickCount = 5; // about as many steps as fit a small chart readably

// Read when drawn, not at start: the catalogue is installed after static data is made.
QString WorthTitle() {
    return QCoreApplication::translate("tp::ui::DayChart", "身家（元）");
}
QString PriceTitle() {
    return QCoreApplication::translate("tp::ui::DayChart", "价格（元）");
}
QString DayTitle() {
    return QCoreApplication::translate("tp::ui::DayChart", "天数");
}

// Large amounts are labelled in the units the player's language counts in: Chinese in 亿 and
// 万 (10^8 and 10^4), English in millions and thousands. So the catalogue gives each unit's
// size beside its label, the larger unit first.
struct Unit {
    const char* size;
    const char* label;
};
constexpr Unit Units[] = {
    //: The size of the larger unit of the chart's amounts, in digits.
    {QT_TRANSLATE_NOOP("tp::ui::DayChart", "100000000"),
     //: An amount in the larger unit.
     QT_TRANSLATE_NOOP("tp::ui::DayChart", "%1亿")},
    //: The size of the smaller unit of the chart's amounts, in digits.
    {QT_TRANSLATE_NOOP("tp::ui::DayChart", "10000"),
     //: An amount in the smaller unit.
     QT_TRANSLATE_NOOP("tp::ui::DayChart", "%1万")},
};

// A round step (1, 2 or 5 times a power of ten) that cuts `span` into about `parts` pieces.
std::int64_t RoundStep(std::int64_t span, int parts) {
    const double raw = static_cast<double>(span) / parts;
    std::int64_t power = 1;
    while (static_cast<double>(power) * 10 <= raw) {
        power *= 10;
    }
    for (const std::int64_t factor : {1, 2, 5}) {
        if (static_cast<double>(power * factor) >= raw) {
            return power * factor;
        }
    }
    return power * 10;
}

// a / b rounded toward minus or plus infinity.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    return a / b - ((a % b != 0) && (a < 0) ? 1 : 0);
}
std::int64_t CeilDiv(std::int64_t a, std::int64_t b) {
    return a / b + ((a % b != 0) && (a > 0) ? 1 : 0);
}

// The middle of the pixel a coordinate falls in: a one-pixel line drawn there stays sharp
// instead of being smeared over two rows.
qreal Crisp(qreal coordinate) {
    return std::floor(coordinate) + 0.5;
}

QString Trimmed(double value) {
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(QLatin1Char('0'))) {
        text.chop(1);
    }
    if (text.endsWith(QLatin1Char('.'))) {
        text.chop(1);
    }
    return text;
}

} // namespace

QString AmountLabel(std::int64_t amount) {
    const double value = static_cast<double>(amount);
    for (const Unit& unit : Units) {
        const double size = QCoreApplication::translate("tp::ui::DayChart", unit.size).toDouble();
        if (size > 0 && std::abs(value) >= size) {
            return QCoreApplication::translate("tp::ui::DayChart", unit.label)
                .arg(Trimmed(value / size));
        }
    }
    return QString::number(amount);
}

QString WorthSummary(const std::vector<std::int64_t>& dailyWorth) {
    if (dailyWorth.empty()) {
        return QCoreApplication::translate("tp::ui::DayChart", "没有每天的身家记录。");
    }
    const auto highest = std::max_element(dailyWorth.begin(), dailyWorth.end());
    const auto lowest = std::min_element(dailyWorth.begin(), dailyWorth.end());
    auto day = [&](auto it) { return static_cast<int>(it - dailyWorth.begin()) + FirstDay; };
    return QCoreApplication::translate("tp::ui::DayChart",
                                       "共 %1 天。第 1 天身家 %2 元，第 %1 天 %3 元；最高 %4 "
                                       "元（第 %5 天），最低 %6 元（第 %7 天）。")
        .arg(dailyWorth.size())
        .arg(dailyWorth.front())
        .arg(dailyWorth.back())
        .arg(*highest)
        .arg(day(highest))
        .arg(*lowest)
        .arg(day(lowest));
}

DayChart::DayChart(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("worthChart"));
    // Reachable with Tab, so a screen reader user hears the summary.
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    UpdateDescription();
}

QString PriceSummary(const std::vector<DayAmount>& prices) {
    if (prices.empty()) {
        return QCoreApplication::translate("tp::ui::DayChart", "还没有见过这种商品。");
    }
    const auto byAmount = [](const DayAmount& a, const DayAmount& b) {
        return a.amount < b.amount;
    };
    const auto highest = std::max_element(prices.begin(), prices.end(), byAmount);
    const auto lowest = std::min_element(prices.begin(), prices.end(), byAmount);
    return QCoreApplication::translate("tp::ui::DayChart",
                                       "见过 %1 次。第 %2 天 %3 元，第 %4 天 %5 元；最高 %6 "
                                       "元（第 %7 天），最低 %8 元（第 %9 天）。")
        .arg(prices.size())
        .arg(prices.front().day)
        .arg(prices.front().amount)
        .arg(prices.back().day)
        .arg(prices.back().amount)
        .arg(highest->amount)
        .arg(highest->day)
        .arg(lowest->amount)
        .arg(lowest->day);
}

void DayChart::SetWorth(std::vector<std::int64_t> dailyWorth) {
    good_.clear();
    std::vector<DayAmount> amounts;
    amounts.reserve(dailyWorth.size());
    for (std::size_t i = 0; i < dailyWorth.size(); ++i) {
        amounts.push_back({static_cast<int>(i) + FirstDay, dailyWorth[i]});
    }
    Set(std::move(amounts));
}

void DayChart::SetPrices(const QString& good, std::vector<DayAmount> prices) {
    good_ = good;
    Set(std::move(prices));
}

void DayChart::Set(std::vector<DayAmount> amounts) {
    amounts_ = std::move(amounts);
    UpdateDescription();
    updateGeometry();
    update();
}

void DayChart::UpdateDescription() {
    if (good_.isEmpty()) {
        std::vector<std::int64_t> worth;
        for (const DayAmount& day : amounts_) {
            worth.push_back(day.amount);
        }
        SetAccessibleText(*this, tr("本次每天的身家"), WorthSummary(worth));
    } else {
        SetAccessibleText(*this, tr("%1每天的价格").arg(good_), PriceSummary(amounts_));
    }
}

int DayChart::LastDay() const {
    return std::max(UsualLastDay, amounts_.empty() ? 0 : amounts_.back().day);
}

DayChart::Scale DayChart::WorthScale() const {
    // Zero is always on the scale: the run starts in debt, and the zero line shows when it
    // got out of it.
    std::int64_t low = 0;
    std::int64_t high = 0;
    for (const DayAmount& day : amounts_) {
        low = std::min(low, day.amount);
        high = std::max(high, day.amount);
    }
    const std::int64_t step = RoundStep(std::max<std::int64_t>(high - low, 100), WorthTickCount);
    const std::int64_t bottom = FloorDiv(low, step) * step;
    // A flat run still gets a scale with some height.
    const std::int64_t top = std::max(CeilDiv(high, step) * step, bottom + step);
    return {bottom, top, step};
}

QList<std::int64_t> DayChart::WorthTicks() const {
    const Scale scale = WorthScale();
    QList<std::int64_t> ticks;
    for (std::int64_t tick = scale.low; tick <= scale.high; tick += scale.step) {
        ticks << tick;
    }
    return ticks;
}

QList<int> DayChart::DayTicks() const {
    const int last = LastDay();
    QList<int> ticks{FirstDay};
    for (int day = 10; day < last; day += 10) {
        // A tick too close to the last one would run into its label.
        if (last - day >= 5) {
            ticks << day;
        }
    }
    ticks << last;
    return ticks;
}

QRectF DayChart::PlotArea() const {
    const QFontMetrics metrics(font());
    int labelWidth = 0;
    for (const std::int64_t tick : WorthTicks()) {
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(AmountLabel(tick)));
    }
    const int line = metrics.height();
    const qreal left = std::max(labelWidth + 10, metrics.horizontalAdvance(WorthTitle()) / 2);
    const qreal top = line + 8;                     // the worth axis title above the plot
    const qreal bottom = height() - (2 * line + 8); // day labels, then the day axis title
    const qreal right = width() - metrics.horizontalAdvance(QStringLiteral("61")) / 2.0 - 8;
    return QRectF(QPointF(left, top),
                  QPointF(std::max(left + 1, right), std::max(top + 1, bottom)));
}

qreal DayChart::XOf(int day) const {
    const QRectF plot = PlotArea();
    return plot.left() + plot.width() * (day - FirstDay) / (LastDay() - FirstDay);
}

qreal DayChart::YOf(std::int64_t worth) const {
    const QRectF plot = PlotArea();
    const Scale scale = WorthScale();
    const double share =
        static_cast<double>(worth - scale.low) / static_cast<double>(scale.high - scale.low);
    return plot.bottom() - plot.height() * share;
}

QList<QPointF> DayChart::PlotPoints() const {
    QList<QPointF> points;
    for (const DayAmount& day : amounts_) {
        points << QPointF(XOf(day.day), YOf(day.amount));
    }
    return points;
}

qreal DayChart::ZeroY() const {
    return YOf(0);
}

QSize DayChart::sizeHint() const {
    const int line = QFontMetrics(font()).height();
    return {560, 15 * line};
}

QSize DayChart::minimumSizeHint() const {
    const int line = QFontMetrics(font()).height();
    return {320, 9 * line};
}

void DayChart::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
    }
    QWidget::changeEvent(event);
}

void DayChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    const QFontMetrics metrics(font());
    const QRectF plot = PlotArea();
    const int line = metrics.height();

    painter.fillRect(plot, colours.color(QPalette::Base));

    // Worth: grid lines with their labels, the zero line stronger than the rest.
    QPen grid(colours.color(QPalette::Mid), 1, Qt::DotLine);
    for (const std::int64_t tick : WorthTicks()) {
        const qreal y = Crisp(YOf(tick));
        painter.setPen(tick == 0 ? QPen(colours.color(QPalette::Text), 1) : grid);
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(colours.color(QPalette::WindowText));
        const QRectF label(0, y - line / 2.0, plot.left() - 6, line);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, AmountLabel(tick));
    }
    painter.drawText(QRectF(0, 0, width(), line + 4), Qt::AlignLeft | Qt::AlignVCenter,
                     good_.isEmpty() ? WorthTitle() : PriceTitle());

    // Days: ticks under the plot, the axis title under them.
    painter.setPen(QPen(colours.color(QPalette::WindowText), 1));
    const qreal axisX = Crisp(plot.left());
    const qreal axisY = Crisp(plot.bottom());
    painter.drawLine(QPointF(axisX, axisY), QPointF(plot.right(), axisY));
    painter.drawLine(QPointF(axisX, axisY), QPointF(axisX, plot.top()));
    for (const int day : DayTicks()) {
        const qreal x = Crisp(XOf(day));
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 3));
        const QRectF label(x - 20, plot.bottom() + 4, 40, line);
        painter.drawText(label, Qt::AlignHCenter | Qt::AlignTop, QString::number(day));
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 4 + line, plot.width(), line + 4),
                     Qt::AlignHCenter | Qt::AlignTop, DayTitle());

    // The run: a line through one dot per day.
    const QList<QPointF> points = PlotPoints();
    const QColor ink = colours.color(QPalette::Highlight);
    if (points.size() > 1) {
        painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(points.constData(), static_cast<int>(points.size()));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    for (const QPointF& point : points) {
        painter.drawEllipse(point, 2.5, 2.5);
    }

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.backgroundColor = colours.color(QPalette::Window);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

} // namespace tp::ui
