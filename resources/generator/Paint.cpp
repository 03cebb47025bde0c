// SPDX-License-Identifier: MIT
#include "Paint.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace tp::generator {

QImage Supersampled(int width, int height, int scale, const std::function<void(QPainter&)>& paint) {
    QImage big(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    big.fill(Qt::white);
    {
        QPainter painter(&big);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.scale(scale, scale);
        paint(painter);
    }
    if (scale == 1) {
        return big.convertToFormat(QImage::Format_RGB32);
    }
    return big.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

void AddGrain(QImage& image, int amplitude, std::uint32_t seed) {
    Rng rng(seed);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = rng.Below(2 * amplitude + 1) - amplitude;
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                           std::clamp(qBlue(c) + n, 0, 255));
        }
    }
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    const auto lerp = [t](int u, int v) { return static_cast<int>(std::lround(u + (v - u) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor Jitter(Rng& rng, const QColor& colour, int amount) {
    const auto j = [&](int v) {
        return std::clamp(v + rng.Below(2 * amount + 1) - amount, 0, 255);
    };
    return QColor(j(colour.red()), j(colour.green()), j(colour.blue()), colour.alpha());
}

QFont PixelFont(const QString& family, double pixelSize, int weight) {
    QFont font(family);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void HaloText(QPainter& painter, const QPointF& baseline, const QString& text, const QFont& font,
              const QColor& fill, const QColor& halo, double haloWidth) {
    QPainterPath path;
    path.addText(baseline, font, text);
    painter.save();
    painter.setPen(QPen(halo, haloWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

void Cloud(QPainter& painter, const QPointF& centre, double width, double height, Rng& rng,
           const QColor& colour) {
    painter.save();
    painter.setPen(Qt::NoPen);
    const int puffs = 7;
    for (int i = 0; i < puffs; ++i) {
        const double fx = rng.Uniform(-0.5, 0.5);
        const double r = height * rng.Uniform(0.45, 0.8) * (1.0 - std::abs(fx));
        const QPointF c(centre.x() + fx * width, centre.y() + rng.Uniform(-0.2, 0.15) * height);
        QRadialGradient g(c, r * 1.6);
        QColor inner = colour;
        QColor outer = colour;
        outer.setAlpha(0);
        g.setColorAt(0.0, inner);
        g.setColorAt(0.55, inner);
        g.setColorAt(1.0, outer);
        painter.setBrush(g);
        painter.drawEllipse(c, r * 1.6, r * 1.1);
    }
    painter.restore();
}

void TreeCrown(QPainter& painter, const QPointF& centre, double radius, const QColor& base,
               Rng& rng) {
    painter.save();
    painter.setPen(Qt::NoPen);
    // Dark underside first, then lit clumps towards the upper left, where the sun is.
    painter.setBrush(base.darker(150));
    painter.drawEllipse(centre + QPointF(radius * 0.1, radius * 0.15), radius, radius * 0.9);
    for (int i = 0; i < 9; ++i) {
        const double a = rng.Uniform(0, 6.283);
        const double d = rng.Uniform(0, radius * 0.55);
        const QPointF c = centre + QPointF(std::cos(a) * d, std::sin(a) * d * 0.8);
        const double r = radius * rng.Uniform(0.35, 0.55);
        const double light =
            std::clamp(0.5 - (c.x() - centre.x() + c.y() - centre.y()) / (2.5 * radius), 0.0, 1.0);
        painter.setBrush(Mix(base, base.lighter(160), light));
        painter.drawEllipse(c, r, r * 0.9);
    }
    painter.restore();
}

} // namespace tp::generator
