// SPDX-License-Identifier: MIT
// The program icon: a blue dolphin leaping out of a wave. One drawing, kept as vector path
// data, makes the 256-colour icon, the PNG sizes of the desktop entry and the SVG.

#include "Icons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <sstream>
#include <vector>

namespace tp::generator {
namespace {

// In a 64 x 64 box. Commands M, L, Q, C and Z with absolute coordinates only.
const char* const kBody =
    "M 58 17 Q 56 13 51 13 C 45 9 34 8 24 14 C 16 19 11 28 10 38 L 5 37 Q 8 42 10 45 "
    "Q 8 50 4 55 Q 12 51 15 45 C 16 36 22 27 30 23 L 33 30 L 37 21 C 43 19 50 19 54 20 "
    "Q 57 20 58 17 Z";
const char* const kFin = "M 28 14 Q 29 6 36 3 Q 33 8 35 11 Z";
const char* const kWave =
    "M 2 58 Q 10 50 18 56 Q 24 60 31 54 Q 38 48 46 55 Q 52 60 62 54 L 62 62 L 2 62 Z";

QPainterPath Parse(const char* data) {
    std::istringstream in(data);
    QPainterPath path;
    std::string command;
    const auto point = [&in] {
        double x = 0;
        double y = 0;
        in >> x >> y;
        return QPointF(x, y);
    };
    while (in >> command) {
        if (command == "M") {
            path.moveTo(point());
        } else if (command == "L") {
            path.lineTo(point());
        } else if (command == "Q") {
            const QPointF c = point();
            path.quadTo(c, point());
        } else if (command == "C") {
            const QPointF c1 = point();
            const QPointF c2 = point();
            path.cubicTo(c1, c2, point());
        } else if (command == "Z") {
            path.closeSubpath();
        }
    }
    return path;
}

} // namespace

QImage Dolphin(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    QLinearGradient sea(0, 50, 0, 62);
    sea.setColorAt(0.0, QColor(120, 200, 240));
    sea.setColorAt(1.0, QColor(30, 110, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(sea);
    p.drawPath(Parse(kWave));

    QLinearGradient skin(30, 8, 36, 26);
    skin.setColorAt(0.0, QColor(20, 60, 150));
    skin.setColorAt(0.55, QColor(40, 120, 210));
    skin.setColorAt(1.0, QColor(170, 220, 250));
    const double outline = size <= 32 ? 2.4 : 1.2;
    p.setPen(QPen(QColor(10, 36, 96), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(skin);
    p.drawPath(Parse(kFin));
    p.drawPath(Parse(kBody));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(10, 20, 40));
    p.drawEllipse(QPointF(49, 15.5), 1.6, 1.6);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(QPointF(48.6, 15), 0.5, 0.5);
    return image;
}

QString DolphinSvg() {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
                          "viewBox=\"0 0 64 64\">\n"
                          "  <title>Tide Peddler</title>\n"
                          "  <defs>\n"
                          "    <linearGradient id=\"sea\" x1=\"0\" y1=\"50\" x2=\"0\" y2=\"62\" "
                          "gradientUnits=\"userSpaceOnUse\">\n"
                          "      <stop offset=\"0\" stop-color=\"#78c8f0\"/>\n"
                          "      <stop offset=\"1\" stop-color=\"#1e6ec8\"/>\n"
                          "    </linearGradient>\n"
                          "    <linearGradient id=\"skin\" x1=\"30\" y1=\"8\" x2=\"36\" y2=\"26\" "
                          "gradientUnits=\"userSpaceOnUse\">\n"
                          "      <stop offset=\"0\" stop-color=\"#143c96\"/>\n"
                          "      <stop offset=\"0.55\" stop-color=\"#2878d2\"/>\n"
                          "      <stop offset=\"1\" stop-color=\"#aadcfa\"/>\n"
                          "    </linearGradient>\n"
                          "  </defs>\n"
                          "  <path fill=\"url(#sea)\" d=\"%1\"/>\n"
                          "  <g fill=\"url(#skin)\" stroke=\"#0a2460\" stroke-width=\"1.2\" "
                          "stroke-linejoin=\"round\">\n"
                          "    <path d=\"%2\"/>\n"
                          "    <path d=\"%3\"/>\n"
                          "  </g>\n"
                          "  <circle cx=\"49\" cy=\"15.5\" r=\"1.6\" fill=\"#0a1428\"/>\n"
                          "  <circle cx=\"48.6\" cy=\"15\" r=\"0.5\" fill=\"#ffffff\"/>\n"
                          "</svg>\n")
        .arg(QString::fromLatin1(kWave), QString::fromLatin1(kFin), QString::fromLatin1(kBody));
}

} // namespace tp::generator
