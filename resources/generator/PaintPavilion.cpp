// SPDX-License-Identifier: MIT
// The agency panel's picture: a tiered pavilion tower on a wooded hill above the red roofs
// of the old town.

#include "Paint.h"
#include "Scenes.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace tp::generator {
namespace {

constexpr int kWidth = 100;
constexpr int kHeight = 121;

void Sky(QPainter& p, Rng& rng) {
    QLinearGradient sky(0, 0, 0, 80);
    sky.setColorAt(0.0, QColor(70, 128, 200));
    sky.setColorAt(1.0, QColor(200, 220, 236));
    p.fillRect(QRectF(0, 0, kWidth, 80), sky);
    Cloud(p, QPointF(18, 16), 30, 7, rng);
    Cloud(p, QPointF(84, 34), 36, 6, rng, QColor(255, 255, 255, 170));
}

void Hill(QPainter& p, Rng& rng) {
    QPainterPath hill;
    hill.moveTo(-2, 84);
    hill.cubicTo(18, 72, 36, 63, 52, 63);
    hill.cubicTo(70, 63, 86, 68, 102, 78);
    hill.lineTo(102, 122);
    hill.lineTo(-2, 122);
    hill.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(58, 96, 50));
    p.drawPath(hill);
    // A dense canopy: rows of crowns over the whole slope, lit from the left.
    for (double y = 62; y < 104; y += 2.6) {
        for (double x = -4; x < 106; x += rng.Uniform(3, 4.5)) {
            const QPointF at(x, y + rng.Uniform(-1, 1));
            if (!hill.contains(at + QPointF(0, 2))) {
                continue;
            }
            const double light = std::clamp(0.65 - x / 140.0 - (y - 62) / 120.0, 0.0, 1.0);
            const QColor base = Mix(QColor(46, 88, 40), QColor(104, 150, 64), light);
            TreeCrown(p, at, rng.Uniform(2.2, 3.4), Jitter(rng, base, 8), rng);
        }
    }
}

void Pavilion(QPainter& p) {
    const double cx = 52;
    const double base = 65;
    // A stone terrace, then tiers of red columns under green-glazed eaves, narrowing upwards.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 188, 170));
    p.drawRect(QRectF(cx - 18, base - 2, 36, 4));
    const int tiers = 5;
    double width = 30;
    double y = base - 2;
    for (int t = 0; t < tiers; ++t) {
        const double storey = 8.0 - t * 0.9;
        QLinearGradient wall(cx - width / 2, 0, cx + width / 2, 0);
        wall.setColorAt(0.0, QColor(200, 50, 40));
        wall.setColorAt(1.0, QColor(130, 26, 22));
        p.setBrush(wall);
        p.drawRect(QRectF(cx - width / 2 + 2, y - storey, width - 4, storey));
        p.setBrush(QColor(250, 220, 140));
        for (double wx = cx - width / 2 + 4; wx < cx + width / 2 - 4; wx += 3.5) {
            p.drawRect(QRectF(wx, y - storey + 2, 1.4, storey - 4)); // lattice windows
        }
        // Eaves sweeping up at the corners.
        const double eaveTop = y - storey - 3.2;
        QPainterPath eave;
        eave.moveTo(cx - width / 2 - 4, eaveTop - 1.5);
        eave.quadTo(cx - width / 2 + 1, eaveTop + 2.2, cx - width / 2 + 4, eaveTop + 1);
        eave.lineTo(cx - width / 2 + 6, eaveTop - 2);
        eave.lineTo(cx + width / 2 - 6, eaveTop - 2);
        eave.lineTo(cx + width / 2 - 4, eaveTop + 1);
        eave.quadTo(cx + width / 2 - 1, eaveTop + 2.2, cx + width / 2 + 4, eaveTop - 1.5);
        eave.lineTo(cx + width / 2 - 2, eaveTop + 3.5);
        eave.lineTo(cx - width / 2 + 2, eaveTop + 3.5);
        eave.closeSubpath();
        QLinearGradient glaze(0, eaveTop - 2, 0, eaveTop + 3.5);
        glaze.setColorAt(0.0, QColor(60, 130, 110));
        glaze.setColorAt(1.0, QColor(30, 80, 70));
        p.setBrush(glaze);
        p.drawPath(eave);
        p.setBrush(QColor(220, 180, 60));
        p.drawRect(QRectF(cx - width / 2 + 2, eaveTop + 3.2, width - 4, 0.7));
        y = eaveTop - 1.5;
        width -= 5.2;
    }
    p.setBrush(QColor(220, 180, 60));
    QPainterPath spire;
    spire.moveTo(cx - 1.5, y + 0.5);
    spire.lineTo(cx, y - 8);
    spire.lineTo(cx + 1.5, y + 0.5);
    spire.closeSubpath();
    p.drawPath(spire);
    p.drawEllipse(QPointF(cx, y - 3), 1.6, 1.6);
}

void Roofs(QPainter& p, Rng& rng) {
    // Red roofs in rows across the foot of the hill, nearer ones larger.
    for (int row = 0; row < 3; ++row) {
        const double ground = 98 + row * 12;
        const double scale = 0.9 + row * 0.3;
        double x = rng.Uniform(-10, -2);
        while (x < kWidth + 4) {
            const double w = rng.Uniform(10, 16) * scale;
            const double h = w * rng.Uniform(0.4, 0.55);
            const QColor tile = Jitter(rng, QColor(190, 62, 40), 18);
            p.setPen(Qt::NoPen);
            p.setBrush(Jitter(rng, QColor(226, 210, 176), 12));
            p.drawRect(QRectF(x + 1, ground - 3 * scale, w - 2, 14 * scale));
            p.setBrush(QColor(70, 64, 60));
            for (double wx = x + 3; wx < x + w - 3; wx += 3.5 * scale) {
                p.drawRect(QRectF(wx, ground + 0.5 * scale, 1.3 * scale, 2.2 * scale));
            }
            QPainterPath roof;
            roof.moveTo(x, ground - 2.5 * scale);
            roof.lineTo(x + w * 0.3, ground - 2.5 * scale - h);
            roof.lineTo(x + w * 0.7, ground - 2.5 * scale - h);
            roof.lineTo(x + w, ground - 2.5 * scale);
            roof.closeSubpath();
            QLinearGradient lit(0, ground - h, 0, ground);
            lit.setColorAt(0.0, tile.lighter(115));
            lit.setColorAt(1.0, tile.darker(130));
            p.setBrush(lit);
            p.drawPath(roof);
            if (rng.Below(3) == 0) {
                TreeCrown(p, QPointF(x + w + 2, ground), 4 * scale, QColor(70, 120, 58), rng);
                x += 4 * scale;
            }
            x += w + rng.Uniform(0, 3);
        }
    }
}

} // namespace

QImage PaintAgencyPavilion() {
    QImage image = Supersampled(kWidth, kHeight, 3, [](QPainter& p) {
        Rng rng(1923);
        Sky(p, rng);
        Hill(p, rng);
        Pavilion(p);
        Roofs(p, rng);
    });
    AddGrain(image, 3, 23);
    return image;
}

} // namespace tp::generator
