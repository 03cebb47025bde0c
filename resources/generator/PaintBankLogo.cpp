// SPDX-License-Identifier: MIT
// The bank panel's banner: an invented savings bank's emblem, a scallop shell over waves,
// with its name in Chinese and English. The box cuts off the right 6 columns.

#include "Paint.h"
#include "Scenes.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace tp::generator {
namespace {

constexpr int kWidth = 183;
constexpr int kHeight = 49;

void Ground(QPainter& p) {
    QLinearGradient paper(0, 0, 0, kHeight);
    paper.setColorAt(0.0, QColor(255, 255, 255));
    paper.setColorAt(1.0, QColor(236, 240, 246));
    p.fillRect(QRectF(0, 0, kWidth, kHeight), paper);
    // A navy band along the foot with a gold rule above it.
    p.fillRect(QRectF(0, 41, kWidth, 8), QColor(20, 48, 104));
    p.fillRect(QRectF(0, 39.6, kWidth, 1.2), QColor(200, 160, 60));
}

void Emblem(QPainter& p) {
    const QPointF c(22, 20);
    QRadialGradient disc(c - QPointF(5, 6), 22);
    disc.setColorAt(0.0, QColor(52, 104, 180));
    disc.setColorAt(1.0, QColor(16, 42, 96));
    p.setPen(QPen(QColor(206, 168, 70), 1.6));
    p.setBrush(disc);
    p.drawEllipse(c, 17, 17);
    // The shell: ribs fanning from the hinge.
    QPainterPath shell;
    const QPointF hinge(c.x(), c.y() + 9);
    shell.moveTo(hinge);
    shell.cubicTo(c.x() - 16, c.y() + 2, c.x() - 10, c.y() - 13, c.x(), c.y() - 12);
    shell.cubicTo(c.x() + 10, c.y() - 13, c.x() + 16, c.y() + 2, hinge.x(), hinge.y());
    QLinearGradient gold(0, c.y() - 12, 0, c.y() + 9);
    gold.setColorAt(0.0, QColor(255, 232, 150));
    gold.setColorAt(1.0, QColor(200, 150, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(shell);
    p.setPen(QPen(QColor(150, 104, 30), 0.7));
    for (int i = -3; i <= 3; ++i) {
        const double a = i * 0.36;
        p.drawLine(hinge, QPointF(hinge.x() + std::sin(a) * 20, hinge.y() - std::cos(a) * 20));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 150, 50));
    p.drawRect(QRectF(hinge.x() - 4, hinge.y() - 1, 8, 2.5));
    // Two waves under the shell.
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 2; ++i) {
        QPainterPath wave;
        const double y = c.y() + 12 + i * 2.6;
        wave.moveTo(c.x() - 11 + i * 2, y);
        for (int k = 0; k < 4; ++k) {
            const double x0 = c.x() - 11 + i * 2 + k * (22.0 - 4 * i) / 4;
            wave.quadTo(x0 + (22.0 - 4 * i) / 8, y - 1.8, x0 + (22.0 - 4 * i) / 4, y);
        }
        p.setPen(QPen(QColor(255, 255, 255, 230 - 60 * i), 1.0));
        p.drawPath(wave);
    }
}

void Name(QPainter& p) {
    const QFont chinese = PixelFont("WenQuanYi Zen Hei", 21, QFont::Bold);
    QPainterPath name;
    name.addText(QPointF(45, 26), chinese, QString::fromUtf8("海贝银行"));
    QLinearGradient navy(0, 6, 0, 28);
    navy.setColorAt(0.0, QColor(34, 70, 140));
    navy.setColorAt(1.0, QColor(14, 36, 86));
    p.setPen(Qt::NoPen);
    p.setBrush(navy);
    p.drawPath(name);

    QFont english = PixelFont("DejaVu Serif", 8.2, QFont::Bold);
    english.setLetterSpacing(QFont::AbsoluteSpacing, 1.6);
    p.setFont(english);
    p.setPen(QColor(176, 134, 44));
    p.drawText(QPointF(46, 37), "SEASHELL BANK");
    QFont motto = PixelFont("WenQuanYi Zen Hei", 6.5);
    p.setFont(motto);
    p.setPen(QColor(236, 240, 250));
    p.drawText(QPointF(46, 47.6), QString::fromUtf8("储蓄 · 汇款 · 兑换   SAVINGS · LOANS"));
}

} // namespace

QImage PaintBankLogo() {
    return Supersampled(kWidth, kHeight, 3, [](QPainter& p) {
        Ground(p);
        Emblem(p);
        Name(p);
    });
}

} // namespace tp::generator
