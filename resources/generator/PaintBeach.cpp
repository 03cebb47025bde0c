// SPDX-License-Identifier: MIT
// The main window's left strip: a crowded bathing beach seen from the promenade, with the
// game's title brushed down its left side. Only the left 97 columns and the top 327 rows show
// in the window, so the title keeps to that part.

#include "Paint.h"
#include "Scenes.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tp::generator {
namespace {

constexpr int kWidth = 156;
constexpr int kHeight = 343;
constexpr double kHorizon = 84;
constexpr double kShore = 150;

void Sky(QPainter& p, Rng& rng) {
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0.0, QColor(58, 118, 196));
    sky.setColorAt(0.6, QColor(126, 176, 222));
    sky.setColorAt(1.0, QColor(206, 224, 236));
    p.fillRect(QRectF(0, 0, kWidth, kHorizon + 1), sky);
    Cloud(p, QPointF(30, 22), 60, 14, rng, QColor(255, 255, 255, 170));
    Cloud(p, QPointF(118, 40), 70, 12, rng, QColor(255, 255, 255, 150));
    Cloud(p, QPointF(70, 62), 90, 8, rng, QColor(250, 250, 255, 130));
}

void Headland(QPainter& p, Rng& rng) {
    // A far headland with the city along it, pale in the haze.
    QPainterPath hill;
    hill.moveTo(60, kHorizon + 1);
    hill.cubicTo(85, kHorizon - 10, 120, kHorizon - 16, 160, kHorizon - 12);
    hill.lineTo(160, kHorizon + 1);
    hill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 168, 176));
    p.drawPath(hill);
    for (double x = 92; x < 158; x += rng.Uniform(2.5, 5)) {
        const double h = rng.Uniform(3, 12);
        p.setBrush(Jitter(rng, QColor(196, 202, 206), 10));
        p.drawRect(QRectF(x, kHorizon - 11 - h + (x - 92) * 0.02, rng.Uniform(2, 4), h + 6));
    }
}

void Sea(QPainter& p, Rng& rng) {
    QLinearGradient sea(0, kHorizon, 0, kShore);
    sea.setColorAt(0.0, QColor(38, 92, 150));
    sea.setColorAt(0.55, QColor(48, 128, 164));
    sea.setColorAt(1.0, QColor(92, 172, 178));
    p.fillRect(QRectF(0, kHorizon, kWidth, kShore - kHorizon + 4), sea);
    // Sun glitter and swell, denser and longer nearer the shore.
    for (int i = 0; i < 140; ++i) {
        const double t = rng.Uniform(0, 1);
        const double y = kHorizon + 1 + t * t * (kShore - kHorizon - 2);
        const double len = 2 + t * 9 * rng.Uniform(0.5, 1.2);
        const double x = rng.Uniform(-5, kWidth);
        p.setPen(QPen(QColor(225, 240, 250, static_cast<int>(60 + 100 * rng.Uniform(0, 1))),
                      0.3 + t * 0.6));
        p.drawLine(QPointF(x, y), QPointF(x + len, y));
    }
    // Breakers: bands of foam with wet sand glistening behind them.
    for (int band = 0; band < 3; ++band) {
        const double y = kShore - 12 + band * 5.5;
        QPainterPath foam;
        foam.moveTo(-2, y);
        for (double x = -2; x <= kWidth + 4; x += 6) {
            foam.lineTo(x, y + std::sin(x * 0.15 + band) * 1.2 + rng.Uniform(-0.4, 0.4));
        }
        p.setPen(QPen(QColor(245, 250, 250, 200 - band * 40), 1.4 - band * 0.3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(foam);
    }
}

void Sand(QPainter& p, Rng& rng) {
    QLinearGradient sand(0, kShore, 0, kHeight);
    sand.setColorAt(0.0, QColor(176, 160, 128));
    sand.setColorAt(0.06, QColor(214, 194, 152));
    sand.setColorAt(0.5, QColor(230, 210, 168));
    sand.setColorAt(1.0, QColor(222, 198, 154));
    QPainterPath shore;
    shore.moveTo(0, kShore + 2);
    for (double x = 0; x <= kWidth + 4; x += 4) {
        shore.lineTo(x, kShore + std::sin(x * 0.09) * 1.5 + 1);
    }
    shore.lineTo(kWidth, kHeight);
    shore.lineTo(0, kHeight);
    shore.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(sand);
    p.drawPath(shore);
    for (int i = 0; i < 600; ++i) {
        p.setBrush(QColor(150, 120, 80, rng.Below(30) + 10));
        p.drawEllipse(QPointF(rng.Uniform(0, kWidth), rng.Uniform(kShore + 4, kHeight)), 0.5, 0.35);
    }
}

const QColor kSwimwear[] = {QColor(220, 40, 40), QColor(30, 70, 170),   QColor(250, 200, 40),
                            QColor(30, 150, 90), QColor(240, 120, 30),  QColor(230, 90, 160),
                            QColor(20, 20, 30),  QColor(240, 240, 240), QColor(100, 60, 160)};
const QColor kSkin[] = {QColor(226, 178, 140), QColor(206, 150, 110), QColor(236, 196, 160),
                        QColor(190, 130, 92)};

// One bather standing or sitting; `s` is the perspective scale (1 near the bottom).
void Bather(QPainter& p, const QPointF& at, double s, Rng& rng) {
    const QColor skin = kSkin[rng.Below(4)];
    const QColor suit = kSwimwear[rng.Below(9)];
    const bool sitting = rng.Below(3) == 0;
    const double h = (sitting ? 5.0 : 9.0) * s;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 96, 60, 90)); // shadow towards the lower right
    p.drawEllipse(at + QPointF(2.2 * s, 0.3 * s), 2.4 * s, 0.9 * s);
    p.setBrush(skin.darker(108));
    p.drawRoundedRect(QRectF(at.x() - 1.3 * s, at.y() - h, 2.6 * s, h), 1.0 * s, 1.0 * s);
    p.setBrush(suit);
    p.drawRect(QRectF(at.x() - 1.35 * s, at.y() - h * (sitting ? 0.55 : 0.52), 2.7 * s, 1.8 * s));
    p.setBrush(skin);
    p.drawEllipse(QPointF(at.x(), at.y() - h - 1.2 * s), 1.25 * s, 1.35 * s);
    p.setBrush(QColor(30, 24, 20));
    p.drawEllipse(QPointF(at.x(), at.y() - h - 1.9 * s), 1.2 * s, 0.7 * s);
}

const QColor kCanopy[] = {QColor(214, 36, 44),   QColor(250, 196, 30), QColor(36, 110, 200),
                          QColor(240, 240, 236), QColor(46, 160, 100), QColor(240, 110, 40),
                          QColor(200, 60, 150)};

void Umbrella(QPainter& p, const QPointF& foot, double s, Rng& rng) {
    const double r = 7.5 * s;
    const double top = foot.y() - 11 * s;
    const QColor a = kCanopy[rng.Below(7)];
    const QColor b = rng.Below(2) ? QColor(248, 248, 244) : kCanopy[rng.Below(7)];
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 86, 50, 80));
    p.drawEllipse(QPointF(foot.x() + 3 * s, foot.y() - 0.5 * s), r * 1.1, r * 0.35);
    p.setPen(QPen(QColor(90, 80, 70), 0.5 * s));
    p.drawLine(QPointF(foot.x(), foot.y()), QPointF(foot.x(), top));
    p.setPen(Qt::NoPen);
    const int gores = 6;
    for (int g = 0; g < gores; ++g) {
        QPainterPath gore;
        const double x0 = foot.x() - r + 2 * r * g / gores;
        const double x1 = foot.x() - r + 2 * r * (g + 1) / gores;
        gore.moveTo(foot.x(), top - 2.6 * s);
        gore.lineTo(x0, top + 1.5 * s);
        gore.quadTo((x0 + x1) / 2, top + 0.6 * s, x1, top + 1.5 * s);
        gore.closeSubpath();
        QColor c = g % 2 ? a : b;
        p.setBrush(Mix(c, c.darker(140), std::abs(g - 1.5) / 6.0)); // lit from the left
        p.drawPath(gore);
    }
}

void Crowd(QPainter& p, Rng& rng) {
    struct Item {
        double y;
        double x;
        bool umbrella;
    };
    std::vector<Item> items;
    for (int i = 0; i < 80; ++i) {
        const double t = rng.Uniform(0, 1);
        items.push_back(
            {kShore + 8 + t * t * (kHeight - kShore), rng.Uniform(-4, kWidth + 4), true});
    }
    for (int i = 0; i < 420; ++i) {
        const double t = rng.Uniform(0, 1);
        items.push_back(
            {kShore + 4 + t * (kHeight - kShore + 6), rng.Uniform(-2, kWidth + 2), false});
    }
    // Far ones first, so that the near ones stand in front.
    std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.y < b.y; });
    for (const Item& item : items) {
        const double s = 0.35 + 1.0 * (item.y - kShore) / (kHeight - kShore);
        if (item.umbrella) {
            Umbrella(p, QPointF(item.x, item.y), s, rng);
        } else {
            Bather(p, QPointF(item.x, item.y), s, rng);
        }
    }
    // Swimmers and rubber rings in the shallows.
    for (int i = 0; i < 60; ++i) {
        const double y = rng.Uniform(kShore - 30, kShore - 4);
        const double s = 0.3 + 0.25 * (y - (kShore - 30)) / 30.0;
        const QPointF at(rng.Uniform(0, kWidth), y);
        p.setPen(Qt::NoPen);
        if (rng.Below(3) == 0) {
            p.setPen(QPen(kSwimwear[rng.Below(6)], 1.4 * s));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(at, 3 * s, 1.3 * s);
            p.setPen(Qt::NoPen);
        }
        p.setBrush(kSkin[rng.Below(4)]);
        p.drawEllipse(at - QPointF(0, 1.5 * s), 1.3 * s, 1.4 * s);
        p.setBrush(QColor(25, 20, 18));
        p.drawEllipse(at - QPointF(0, 2.2 * s), 1.2 * s, 0.7 * s);
    }
}

void Title(QPainter& p) {
    const QFont font = PixelFont("AR PL UKai CN", 66);
    const QString title = QString::fromUtf8("潮汐货郎");
    for (int i = 0; i < title.size(); ++i) {
        const QPointF base(15, 78 + i * 72);
        HaloText(p, base + QPointF(1.8, 1.8), title.mid(i, 1), font, QColor(0, 0, 0, 70),
                 QColor(0, 0, 0, 40), 3);
        HaloText(p, base, title.mid(i, 1), font, QColor(24, 22, 30), QColor(255, 255, 250), 4);
    }
    // A red seal under the title.
    const QRectF seal(62, 300, 19, 19);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 30, 32));
    p.drawRoundedRect(seal, 2, 2);
    // Read downwards, right column first: 货郎, then 青岛.
    const QFont small = PixelFont("AR PL UKai CN", 8.5);
    const QString text = QString::fromUtf8("货郎青岛");
    for (int i = 0; i < 4; ++i) {
        const double x = seal.x() + (i < 2 ? 9.8 : 0.6);
        const double y = seal.y() + (i % 2 ? 9.2 : 0.6);
        HaloText(p, QPointF(x, y + 7.6), text.mid(i, 1), small, QColor(255, 238, 224),
                 QColor(196, 30, 32, 0), 0.1);
    }
}

} // namespace

QImage PaintBeach() {
    QImage image = Supersampled(kWidth, kHeight, 3, [](QPainter& p) {
        Rng rng(1998);
        Sky(p, rng);
        Headland(p, rng);
        Sea(p, rng);
        Sand(p, rng);
        Crowd(p, rng);
        Title(p);
    });
    AddGrain(image, 3, 7);
    return image;
}

} // namespace tp::generator
