// SPDX-License-Identifier: MIT
// The hospital panel's picture: an old stone building with a tiled roof and a clock gable,
// half hidden among trees on a summer day.

#include "Paint.h"
#include "Scenes.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace tp::generator {
namespace {

constexpr int kSize = 80;

void Sky(QPainter& p, Rng& rng) {
    QLinearGradient sky(0, 0, 0, 64);
    sky.setColorAt(0.0, QColor(96, 150, 210));
    sky.setColorAt(1.0, QColor(208, 224, 236));
    p.fillRect(QRectF(0, 0, kSize, 64), sky);
    Cloud(p, QPointF(60, 10), 30, 6, rng);
}

void StoneWall(QPainter& p, const QRectF& wall, const QColor& stone, Rng& rng) {
    p.setPen(Qt::NoPen);
    p.setBrush(stone);
    p.drawRect(wall);
    // Coursed blocks, each a little different.
    for (double y = wall.top(); y < wall.bottom(); y += 2.2) {
        const double offset = std::fmod(y * 1.3, 3.0);
        for (double x = wall.left() - offset; x < wall.right(); x += 3.5) {
            const QRectF block(std::max(x, wall.left()), y, 3.1, 1.9);
            p.setBrush(Jitter(rng, stone, 10));
            p.drawRect(block.intersected(wall));
        }
    }
}

void Windows(QPainter& p, double left, double right, double top, double bottom) {
    for (double y = top; y + 5 < bottom; y += 8) {
        for (double x = left; x + 3 < right; x += 6) {
            QPainterPath arch;
            arch.moveTo(x, y + 5.5);
            arch.lineTo(x, y + 1.5);
            arch.arcTo(QRectF(x, y, 3, 3), 180, -180);
            arch.lineTo(x + 3, y + 5.5);
            arch.closeSubpath();
            p.setPen(QPen(QColor(236, 228, 210), 0.5));
            p.setBrush(QColor(52, 58, 66));
            p.drawPath(arch);
        }
    }
}

void BackTrees(QPainter& p, Rng& rng) {
    // Old trees behind the building, darker with the distance and the shade.
    for (double x = -4; x < kSize + 6; x += rng.Uniform(5, 8)) {
        TreeCrown(p, QPointF(x, rng.Uniform(27, 33)), rng.Uniform(6, 9),
                  Jitter(rng, QColor(50, 90, 46), 10), rng);
    }
}

void Building(QPainter& p, Rng& rng) {
    const QColor stone(190, 176, 150);
    // Wings to either side, then the central block with its gable and clock.
    StoneWall(p, QRectF(8, 34, 24, 26), stone.darker(106), rng);
    StoneWall(p, QRectF(50, 34, 24, 26), stone.darker(115), rng);
    Windows(p, 10.5, 31, 37, 58);
    Windows(p, 52.5, 73, 37, 58);
    StoneWall(p, QRectF(28, 26, 26, 34), stone, rng);
    Windows(p, 31, 52, 36, 56);
    QPainterPath roof;
    roof.moveTo(5, 35);
    roof.lineTo(12, 28);
    roof.lineTo(70, 28);
    roof.lineTo(77, 35);
    roof.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(84, 92, 96));
    p.drawPath(roof);
    QPainterPath gable;
    gable.moveTo(26, 27);
    gable.lineTo(41, 12);
    gable.lineTo(56, 27);
    gable.closeSubpath();
    QLinearGradient lit(26, 0, 56, 0);
    lit.setColorAt(0.0, QColor(110, 118, 122));
    lit.setColorAt(0.5, QColor(96, 104, 108));
    lit.setColorAt(0.51, QColor(70, 76, 80));
    lit.setColorAt(1.0, QColor(60, 66, 70));
    p.setBrush(lit);
    p.drawPath(gable);
    p.setBrush(QColor(236, 232, 220));
    p.setPen(QPen(QColor(60, 56, 50), 0.5));
    p.drawEllipse(QPointF(41, 21), 3, 3);
    p.drawLine(QPointF(41, 21), QPointF(41, 19));
    p.drawLine(QPointF(41, 21), QPointF(42.5, 21.5));
    // The arched door and its steps.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 44, 30));
    p.drawRoundedRect(QRectF(38, 50, 6, 10), 3, 3);
    p.setBrush(QColor(210, 204, 190));
    p.drawRect(QRectF(35, 60, 12, 1.5));
    p.drawRect(QRectF(33, 61.5, 16, 1.5));
}

void Trees(QPainter& p, Rng& rng) {
    TreeCrown(p, QPointF(4, 40), 12, QColor(54, 104, 50), rng);
    TreeCrown(p, QPointF(77, 36), 13, QColor(60, 110, 48), rng);
    TreeCrown(p, QPointF(14, 62), 10, QColor(66, 120, 52), rng);
    TreeCrown(p, QPointF(70, 62), 11, QColor(58, 112, 50), rng);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(64, 104, 52)); // shrubs along the foot of the walls
    p.drawRect(QRectF(0, 58, kSize, 6));
    QLinearGradient lawn(0, 60, 0, kSize);
    lawn.setColorAt(0.0, QColor(110, 150, 70));
    lawn.setColorAt(1.0, QColor(70, 110, 44));
    p.setPen(Qt::NoPen);
    p.setBrush(lawn);
    p.drawRect(QRectF(0, 63, kSize, kSize - 63));
    QPainterPath path;
    path.moveTo(36, 63);
    path.lineTo(46, 63);
    path.lineTo(60, kSize);
    path.lineTo(22, kSize);
    path.closeSubpath();
    p.setBrush(QColor(206, 194, 170));
    p.drawPath(path);
    TreeCrown(p, QPointF(-2, 76), 10, QColor(46, 92, 40), rng);
    TreeCrown(p, QPointF(82, 78), 11, QColor(46, 90, 42), rng);
}

} // namespace

QImage PaintHospitalBuilding() {
    QImage image = Supersampled(kSize, kSize, 3, [](QPainter& p) {
        Rng rng(1904);
        Sky(p, rng);
        BackTrees(p, rng);
        Building(p, rng);
        Trees(p, rng);
    });
    AddGrain(image, 3, 19);
    return image;
}

} // namespace tp::generator
