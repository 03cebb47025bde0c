// SPDX-License-Identifier: MIT
// The diary window's picture: red-roofed old town houses before the towers of the new city,
// under a hand-written heading that names the window a diary.

#include "Paint.h"
#include "Scenes.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tp::generator {
namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 131;

void Sky(QPainter& p, Rng& rng) {
    QLinearGradient sky(0, 0, 0, 80);
    sky.setColorAt(0.0, QColor(236, 226, 204)); // the warm haze of a late afternoon
    sky.setColorAt(0.5, QColor(206, 216, 222));
    sky.setColorAt(1.0, QColor(172, 190, 204));
    p.fillRect(QRectF(0, 0, kWidth, 80), sky);
    Cloud(p, QPointF(70, 20), 50, 7, rng, QColor(255, 250, 240, 150));
}

void Skyline(QPainter& p, Rng& rng) {
    // Glass towers, fading into the haze with distance.
    for (int layer = 0; layer < 2; ++layer) {
        const QColor base = layer == 0 ? QColor(178, 190, 202) : QColor(132, 150, 168);
        double x = -3;
        while (x < kWidth) {
            const double w = rng.Uniform(6, 12);
            const double top = (layer == 0 ? 40 : 52) + rng.Uniform(-8, 10);
            QLinearGradient glass(x, 0, x + w, 0);
            glass.setColorAt(0.0, base.lighter(125));
            glass.setColorAt(1.0, base.darker(115));
            p.setPen(Qt::NoPen);
            p.setBrush(glass);
            p.drawRect(QRectF(x, top, w, 90 - top));
            if (rng.Below(3) == 0) {
                p.drawRect(QRectF(x + w * 0.4, top - 5, 1, 5)); // a mast
            }
            p.setPen(QPen(base.lighter(140), 0.4));
            for (double y = top + 2; y < 86; y += 2.2) {
                p.drawLine(QPointF(x + 0.8, y), QPointF(x + w - 0.8, y));
            }
            x += w + rng.Uniform(-1, 3);
        }
    }
}

// One old house: pale wall, windows, a steep red roof lit from the left.
void House(QPainter& p, double x, double ground, double w, double wallHeight, Rng& rng) {
    const double roofHeight = w * rng.Uniform(0.5, 0.7);
    const double eaves = ground - wallHeight;
    const QColor wall = Jitter(rng, QColor(232, 214, 176), 14);
    p.setPen(Qt::NoPen);
    p.setBrush(wall);
    p.drawRect(QRectF(x, eaves, w, wallHeight + 2));
    p.setBrush(wall.darker(118));
    p.drawRect(QRectF(x + w * 0.75, eaves, w * 0.25, wallHeight + 2));
    p.setBrush(QColor(70, 62, 58));
    for (double wy = eaves + 2.5; wy < ground - 2.5; wy += 5) {
        for (double wx = x + 2; wx < x + w - 2.5; wx += 4) {
            p.drawRect(QRectF(wx, wy, 1.6, 2.4));
        }
    }
    const QColor tile = Jitter(rng, QColor(186, 64, 40), 16);
    QPainterPath roof;
    roof.moveTo(x - 1.2, eaves + 0.5);
    roof.lineTo(x + w * 0.5, eaves - roofHeight);
    roof.lineTo(x + w + 1.2, eaves + 0.5);
    roof.closeSubpath();
    QLinearGradient lit(x, 0, x + w, 0);
    lit.setColorAt(0.0, tile.lighter(118));
    lit.setColorAt(0.49, tile.lighter(105));
    lit.setColorAt(0.51, tile.darker(125));
    lit.setColorAt(1.0, tile.darker(140));
    p.setBrush(lit);
    p.drawPath(roof);
    p.setPen(QPen(tile.darker(150), 0.35));
    for (double ry = eaves - roofHeight + 1.5; ry < eaves; ry += 1.3) {
        const double half = (ry - (eaves - roofHeight)) / roofHeight * (w / 2 + 1.2);
        p.drawLine(QPointF(x + w * 0.5 - half, ry), QPointF(x + w * 0.5 + half, ry));
    }
    if (rng.Below(2) == 0) { // a dormer or chimney
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 80, 60));
        p.drawRect(QRectF(x + w * 0.7, eaves - roofHeight * 0.8, 1.8, roofHeight * 0.5));
    }
}

void OldTown(QPainter& p, Rng& rng) {
    // Three rows of houses climbing towards the viewer, trees between them.
    QLinearGradient ground(0, 74, 0, kHeight);
    ground.setColorAt(0.0, QColor(88, 112, 74));
    ground.setColorAt(1.0, QColor(46, 70, 40));
    p.fillRect(QRectF(0, 74, kWidth, kHeight - 74), ground);
    const double rows[] = {82, 95, 110, 126, 140};
    for (int r = 0; r < 5; ++r) {
        double x = -8 + rng.Uniform(0, 8);
        while (x < kWidth) {
            const double w = rng.Uniform(11, 17) * (0.75 + 0.12 * r);
            if (rng.Below(4) == 0) {
                TreeCrown(p, QPointF(x + w / 2, rows[r] - 6), w * 0.4, QColor(74, 116, 60), rng);
            } else {
                House(p, x, rows[r], w, rng.Uniform(7, 11) * (0.75 + 0.12 * r), rng);
            }
            x += w + rng.Uniform(-1, 2.5);
        }
        for (int t = 0; t < 3; ++t) {
            TreeCrown(p, QPointF(rng.Uniform(0, kWidth), rows[r] + 2), rng.Uniform(3, 5),
                      QColor(66, 108, 54), rng);
        }
    }
}

void Heading(QPainter& p) {
    // Brushed like a diary's first page, with a short underline stroke.
    const QFont font = PixelFont("AR PL UKai CN", 27);
    HaloText(p, QPointF(7, 29), QString::fromUtf8("日记"), font, QColor(40, 30, 30),
             QColor(255, 250, 236, 230), 2.4);
    QPainterPath stroke;
    stroke.moveTo(8, 34);
    stroke.cubicTo(24, 31, 40, 33, 60, 30);
    p.setPen(QPen(QColor(150, 30, 30), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(stroke);
}

} // namespace

QImage PaintDiaryTown() {
    QImage image = Supersampled(kWidth, kHeight, 3, [](QPainter& p) {
        Rng rng(1897);
        Sky(p, rng);
        Skyline(p, rng);
        OldTown(p, rng);
        Heading(p);
    });
    AddGrain(image, 3, 17);
    return image;
}

} // namespace tp::generator
