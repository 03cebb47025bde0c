// SPDX-License-Identifier: MIT
// The picture at the top of the main window's status block: the small island with its white
// lighthouse in the bay. The box shows only the top left 97 x 89, so the scene sits there.

#include "Paint.h"
#include "Scenes.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

namespace tp::generator {
namespace {

constexpr int kWidth = 113;
constexpr int kHeight = 116;
constexpr double kHorizon = 44;

void Sky(QPainter& p, Rng& rng) {
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0.0, QColor(84, 140, 206));
    sky.setColorAt(1.0, QColor(214, 228, 238));
    p.fillRect(QRectF(0, 0, kWidth, kHorizon + 1), sky);
    Cloud(p, QPointF(22, 12), 36, 8, rng);
    Cloud(p, QPointF(84, 22), 44, 7, rng, QColor(255, 255, 255, 170));
}

void FarShore(QPainter& p, Rng& rng) {
    QPainterPath hills;
    hills.moveTo(-2, kHorizon + 1);
    hills.cubicTo(10, kHorizon - 9, 26, kHorizon - 5, 36, kHorizon - 2);
    hills.lineTo(36, kHorizon + 1);
    hills.moveTo(70, kHorizon + 1);
    hills.cubicTo(86, kHorizon - 7, 100, kHorizon - 12, 116, kHorizon - 8);
    hills.lineTo(116, kHorizon + 1);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 160, 170));
    p.drawPath(hills);
    for (double x = 74; x < 114; x += rng.Uniform(2, 4)) {
        p.setBrush(Jitter(rng, QColor(200, 204, 208), 12));
        const double h = rng.Uniform(2, 7);
        p.drawRect(QRectF(x, kHorizon - 6 - h, rng.Uniform(1.2, 2.5), h + 5));
    }
}

void Sea(QPainter& p, Rng& rng) {
    QLinearGradient sea(0, kHorizon, 0, kHeight);
    sea.setColorAt(0.0, QColor(60, 112, 160));
    sea.setColorAt(1.0, QColor(24, 70, 112));
    p.fillRect(QRectF(0, kHorizon, kWidth, kHeight - kHorizon), sea);
    for (int i = 0; i < 170; ++i) {
        const double t = rng.Uniform(0, 1);
        const double y = kHorizon + 1 + t * t * (kHeight - kHorizon);
        const double x = rng.Uniform(-4, kWidth);
        p.setPen(QPen(QColor(170, 205, 230, 60 + rng.Below(90)), 0.3 + 0.7 * t));
        p.drawLine(QPointF(x, y), QPointF(x + 1.5 + 6 * t, y));
    }
}

void Island(QPainter& p, Rng& rng) {
    const double cx = 50;
    const double base = kHorizon + 16;
    // Reflection first, broken by the ripples.
    for (double y = base; y < base + 16; y += 1.2) {
        const double w = 26 - (y - base) * 1.2;
        p.setPen(QPen(QColor(40, 80, 60, 90), 0.8));
        p.drawLine(QPointF(cx - w + rng.Uniform(-1, 1), y),
                   QPointF(cx + w + rng.Uniform(-1, 1), y));
    }

    // Rocks along the waterline.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 16; ++i) {
        const double x = cx - 30 + i * 3.8 + rng.Uniform(-1, 1);
        p.setBrush(Jitter(rng, QColor(112, 100, 88), 14));
        p.drawEllipse(QPointF(x, base - 1 + rng.Uniform(-1, 1)), rng.Uniform(2, 3.5), 2);
    }
    // The wooded mound.
    QPainterPath mound;
    mound.moveTo(cx - 32, base);
    mound.cubicTo(cx - 24, base - 14, cx - 8, base - 17, cx + 2, base - 17);
    mound.cubicTo(cx + 14, base - 16, cx + 26, base - 9, cx + 32, base);
    mound.closeSubpath();
    p.setBrush(QColor(56, 96, 48));
    p.drawPath(mound);
    for (int i = 0; i < 34; ++i) {
        const double x = rng.Uniform(cx - 28, cx + 28);
        const double top = base - 16 * (1 - std::pow((x - cx) / 32, 2));
        TreeCrown(p, QPointF(x, rng.Uniform(top + 2, base - 2)), rng.Uniform(2.5, 4.5),
                  QColor(70, 120, 56), rng);
    }
    // The white tower, lit from the left, with its lantern and gallery.
    const double tx = cx + 2;
    const double ttop = base - 42;
    const double tbase = base - 14;
    QPainterPath tower;
    tower.moveTo(tx - 4.2, tbase);
    tower.lineTo(tx - 2.8, ttop + 8);
    tower.lineTo(tx + 2.8, ttop + 8);
    tower.lineTo(tx + 4.2, tbase);
    tower.closeSubpath();
    QLinearGradient lit(tx - 4, 0, tx + 4, 0);
    lit.setColorAt(0.0, QColor(255, 255, 252));
    lit.setColorAt(0.6, QColor(236, 236, 232));
    lit.setColorAt(1.0, QColor(176, 180, 186));
    p.setBrush(lit);
    p.drawPath(tower);
    p.setBrush(QColor(60, 60, 64));
    p.drawRect(QRectF(tx - 4, ttop + 7, 8, 1.3)); // gallery
    p.setBrush(QColor(250, 236, 170));
    p.drawRect(QRectF(tx - 2.2, ttop + 3, 4.4, 4)); // lantern
    p.setBrush(QColor(150, 40, 36));
    QPainterPath cap;
    cap.moveTo(tx - 3, ttop + 3.2);
    cap.lineTo(tx, ttop);
    cap.lineTo(tx + 3, ttop + 3.2);
    cap.closeSubpath();
    p.drawPath(cap);
    p.setBrush(QColor(90, 90, 96));
    for (double y = ttop + 12; y < tbase - 3; y += 7) {
        p.drawRect(QRectF(tx - 0.6, y, 1.2, 2)); // windows
    }
}

void Foreground(QPainter& p, Rng& rng) {
    // The promenade's stone wall and a few rocks at the lower left, for depth.
    QPainterPath wall;
    wall.moveTo(-2, 79);
    wall.cubicTo(8, 76, 18, 79, 26, 86);
    wall.lineTo(36, 118);
    wall.lineTo(-2, 118);
    wall.closeSubpath();
    QLinearGradient stone(0, 74, 0, 100);
    stone.setColorAt(0.0, QColor(150, 136, 116));
    stone.setColorAt(1.0, QColor(70, 62, 54));
    p.setPen(Qt::NoPen);
    p.setBrush(stone);
    p.drawPath(wall);
    p.setPen(QPen(QColor(60, 52, 46, 160), 0.6));
    for (int i = 0; i < 26; ++i) {
        const double y = rng.Uniform(80, 116);
        const double x = rng.Uniform(0, 18 + (y - 80) * 0.4);
        p.drawLine(QPointF(x, y), QPointF(x + rng.Uniform(3, 7), y + rng.Uniform(-0.5, 0.5)));
    }
    p.setPen(QPen(QColor(236, 240, 240, 170), 1));
    p.drawLine(QPointF(42, 88), QPointF(56, 86.5));
    p.drawLine(QPointF(46, 92), QPointF(62, 90.5));
    // A small boat heading out.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 60, 40));
    QPainterPath hull;
    hull.moveTo(68, 68);
    hull.lineTo(82, 68);
    hull.lineTo(79, 71);
    hull.lineTo(70, 71);
    hull.closeSubpath();
    p.drawPath(hull);
    p.setBrush(QColor(244, 244, 240));
    p.drawRect(QRectF(72, 65, 5, 3));
    p.setPen(QPen(QColor(230, 240, 245, 150), 0.6));
    p.drawLine(QPointF(60, 70.5), QPointF(68, 70));
}

} // namespace

QImage PaintIsland() {
    QImage image = Supersampled(kWidth, kHeight, 3, [](QPainter& p) {
        Rng rng(1891);
        Sky(p, rng);
        FarShore(p, rng);
        Sea(p, rng);
        Island(p, rng);
        Foreground(p, rng);
    });
    AddGrain(image, 3, 13);
    return image;
}

} // namespace tp::generator
