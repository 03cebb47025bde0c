// SPDX-License-Identifier: MIT
// The main window's street map. The ten location buttons sit on it at fixed places (their
// window positions less the map's origin, 304, 136); each place's name lies under its button
// so that the button marks it, and the bottom 15 rows fall outside the window.

#include "Paint.h"
#include "Scenes.h"

#include <QPainterPath>

#include <cmath>

namespace tp::generator {
namespace {

constexpr int kSize = 200;

struct Place {
    QRectF button;
    const char* chinese;
    const char* english;
};

const Place kPlaces[] = {
    {{112, 8, 81, 17}, "李村集贸市场", "Licun Market"},
    {{64, 32, 49, 17}, "李沧区", "Licang"},
    {{96, 56, 49, 17}, "四方区", "Sifang"},
    {{96, 80, 49, 17}, "长途站", "Coach Station"},
    {{56, 104, 49, 17}, "中山路", "Zhongshan Rd"},
    {{144, 104, 49, 17}, "啤酒城", "Beer City"},
    {{32, 128, 49, 17}, "火车站", "Railway Stn"},
    {{136, 144, 49, 17}, "东海路", "Donghai Rd"},
    {{8, 160, 49, 17}, "栈桥", "Zhanqiao Pier"},
    {{72, 168, 49, 17}, "小青岛", "Xiaoqingdao"},
};

const QColor kLand(228, 226, 220);
const QColor kWater(190, 199, 208);
const QColor kPark(208, 216, 204);
const QColor kStreet(252, 252, 250);
const QColor kCasing(176, 176, 172);
const QColor kInk(58, 58, 62);

QPainterPath LandShape() {
    // The bay lies to the west, the open sea to the south; the coast runs round the old town.
    QPainterPath land;
    land.moveTo(30, -2);
    land.cubicTo(24, 30, 30, 60, 22, 90);
    land.cubicTo(16, 112, 22, 138, 12, 150);
    land.cubicTo(4, 158, 26, 162, 40, 160);
    land.cubicTo(56, 158, 62, 168, 78, 166);
    land.cubicTo(92, 164, 96, 172, 112, 170);
    land.cubicTo(128, 168, 132, 176, 150, 172);
    land.cubicTo(170, 168, 182, 174, 202, 168);
    land.lineTo(202, -2);
    land.closeSubpath();
    return land;
}

void Water(QPainter& p) {
    p.fillRect(QRectF(0, 0, kSize, kSize), kWater);
    p.setPen(QPen(QColor(176, 186, 196), 0.5));
    for (double y = 4; y < kSize; y += 6) {
        for (double x = std::fmod(y * 1.7, 14.0); x < kSize; x += 14) {
            QPainterPath wave;
            wave.moveTo(x, y);
            wave.quadTo(x + 2, y - 1.2, x + 4, y);
            wave.quadTo(x + 6, y + 1.2, x + 8, y);
            p.drawPath(wave);
        }
    }
}

void Blocks(QPainter& p, const QPainterPath& land, Rng& rng) {
    p.save();
    p.setClipPath(land);
    p.fillRect(QRectF(0, 0, kSize, kSize), kLand);
    // Parks and hills.
    p.setPen(Qt::NoPen);
    p.setBrush(kPark);
    p.drawEllipse(QPointF(124, 126), 12, 9);
    p.drawEllipse(QPointF(170, 70), 16, 12);
    p.drawEllipse(QPointF(60, 82), 9, 7);
    p.drawEllipse(QPointF(190, 140), 10, 14);
    // Minor streets: a slightly uneven grid, as the city grew piece by piece.
    p.setPen(QPen(QColor(246, 246, 244), 1.1));
    for (double y = 6; y < kSize; y += rng.Uniform(6, 9)) {
        p.drawLine(QPointF(0, y + rng.Uniform(-1, 1)), QPointF(kSize, y + rng.Uniform(-3, 3)));
    }
    for (double x = 4; x < kSize; x += rng.Uniform(7, 11)) {
        p.drawLine(QPointF(x + rng.Uniform(-2, 2), 0), QPointF(x + rng.Uniform(-6, 6), kSize));
    }
    // Built-up blocks are a shade darker in the old town and the northern districts.
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 260; ++i) {
        const QPointF c(rng.Uniform(20, kSize), rng.Uniform(0, kSize));
        p.setBrush(QColor(200, 198, 194, 60));
        p.drawRect(QRectF(c, QSizeF(rng.Uniform(2, 5), rng.Uniform(2, 4))));
    }
    p.restore();
}

void Road(QPainter& p, const QPainterPath& path, double width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kCasing, width + 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(kStreet, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void MainRoads(QPainter& p, const QPainterPath& land) {
    p.save();
    p.setClipPath(land);
    QPainterPath trunk; // from the old town north to Licun
    trunk.moveTo(80, 160);
    trunk.cubicTo(84, 120, 110, 100, 118, 70);
    trunk.cubicTo(124, 48, 140, 30, 150, -2);
    Road(p, trunk, 2.6);
    QPainterPath coast; // along the south coast to the east
    coast.moveTo(30, 156);
    coast.cubicTo(70, 160, 110, 162, 150, 165);
    coast.cubicTo(170, 164, 186, 164, 202, 162);
    Road(p, coast, 2.2);
    QPainterPath cross; // across the peninsula
    cross.moveTo(28, 100);
    cross.cubicTo(80, 96, 140, 100, 202, 92);
    Road(p, cross, 2.2);
    QPainterPath north;
    north.moveTo(40, 40);
    north.cubicTo(90, 46, 140, 40, 202, 34);
    Road(p, north, 2.0);
    QPainterPath east;
    east.moveTo(150, 165);
    east.cubicTo(160, 130, 176, 110, 202, 100);
    Road(p, east, 1.8);
    p.restore();
}

void Railway(QPainter& p) {
    QPainterPath line;
    line.moveTo(50, 140);
    line.cubicTo(36, 110, 40, 60, 36, -2);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 110, 112), 1.6));
    p.drawPath(line);
    p.setPen(QPen(QColor(250, 250, 250), 0.9, Qt::CustomDashLine));
    QPen dash(QColor(250, 250, 250), 0.9);
    dash.setDashPattern({3, 3});
    p.setPen(dash);
    p.drawPath(line);
}

void Coast(QPainter& p, const QPainterPath& land) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 160, 170), 1.2));
    p.drawPath(land);
    // The pier of Zhanqiao and the small island in the bay.
    p.setPen(QPen(QColor(150, 150, 148), 2.2, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(32, 160), QPointF(34, 182));
    p.setPen(QPen(kStreet, 1.1, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(32, 160.5), QPointF(34, 181.5));
    p.setPen(QPen(QColor(150, 160, 170), 0.8));
    p.setBrush(kPark);
    p.drawEllipse(QPointF(128, 186), 7, 4.5);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(129, 185), 1.2, 1.2);
}

void SeaNames(QPainter& p) {
    p.setPen(QColor(120, 132, 146));
    p.setFont(PixelFont("WenQuanYi Zen Hei", 7));
    p.drawText(QPointF(3, 62), QString::fromUtf8("胶"));
    p.drawText(QPointF(3, 71), QString::fromUtf8("州"));
    p.drawText(QPointF(3, 80), QString::fromUtf8("湾"));
    p.setFont(PixelFont("DejaVu Sans", 4.5));
    p.save();
    p.translate(17, 92);
    p.rotate(-90);
    p.drawText(QPointF(0, 0), "JIAOZHOU BAY");
    p.restore();
    p.setFont(PixelFont("WenQuanYi Zen Hei", 7));
    p.drawText(QPointF(150, 188), QString::fromUtf8("黄 海"));
    p.setFont(PixelFont("DejaVu Sans", 4.5));
    p.drawText(QPointF(150, 195), "YELLOW SEA");
}

void DistrictNames(QPainter& p) {
    p.setPen(QColor(150, 148, 144));
    p.setFont(PixelFont("WenQuanYi Zen Hei", 8));
    p.drawText(QPointF(156, 60), QString::fromUtf8("崂山区"));
    p.drawText(QPointF(30, 126), QString::fromUtf8("市南"));
    p.setFont(PixelFont("DejaVu Sans", 4.5));
    p.drawText(QPointF(158, 66), "LAOSHAN");
}

void PlaceLabel(QPainter& p, const Place& place) {
    const QRectF& r = place.button;
    // A pin at the place itself, just left of the name.
    p.setPen(QPen(QColor(255, 255, 255), 0.6));
    p.setBrush(QColor(196, 40, 40));
    p.drawEllipse(QPointF(r.left() + 3.5, r.top() + 5.5), 2, 2);
    const QFont chinese = PixelFont("WenQuanYi Zen Hei", 9.5, QFont::Bold);
    const QFont english = PixelFont("DejaVu Sans", 5);
    const QString name = QString::fromUtf8(place.chinese);
    const double width = QFontMetricsF(chinese).horizontalAdvance(name);
    const double x = r.left() + 7 + (r.width() - 7 - width) / 2;
    HaloText(p, QPointF(x, r.top() + 9.5), name, chinese, kInk, QColor(255, 255, 255, 220), 1.6);
    const QString latin = QString::fromLatin1(place.english);
    const double latinWidth = QFontMetricsF(english).horizontalAdvance(latin);
    HaloText(p, QPointF(r.center().x() - latinWidth / 2 + 2, r.top() + 15.5), latin, english,
             QColor(80, 80, 86), QColor(255, 255, 255, 200), 1.2);
}

} // namespace

QImage PaintMap() {
    QImage image = Supersampled(kSize, kSize, 3, [](QPainter& p) {
        Rng rng(2003);
        const QPainterPath land = LandShape();
        Water(p);
        Blocks(p, land, rng);
        MainRoads(p, land);
        Railway(p);
        Coast(p, land);
        SeaNames(p);
        DistrictNames(p);
        for (const Place& place : kPlaces) {
            PlaceLabel(p, place);
        }
        // A thin frame, as printed maps have.
        p.setPen(QPen(QColor(120, 120, 120), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.4, 0.4, kSize - 0.8, kSize - 0.8));
    });
    AddGrain(image, 1, 11);
    return image;
}

} // namespace tp::generator
