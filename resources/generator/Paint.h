// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QString>

#include <cstdint>
#include <functional>

namespace tp::generator {

// A small fixed generator, so that every run paints the same pictures on every machine.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed ? seed : 1u) {}
    std::uint32_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }
    double Uniform(double low, double high) {
        return low + (high - low) * (Next() >> 8) / static_cast<double>(1u << 24);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint32_t>(n)); }

private:
    std::uint32_t state_;
};

// Paints at `scale` times the size in the picture's own coordinates, then reduces smoothly:
// small details come out soft, as in a photograph, rather than jagged.
QImage Supersampled(int width, int height, int scale, const std::function<void(QPainter&)>& paint);

// Film-like grain: a little luminance noise so that flat areas do not look drawn.
void AddGrain(QImage& image, int amplitude, std::uint32_t seed);

QColor Mix(const QColor& a, const QColor& b, double t);
QColor Jitter(Rng& rng, const QColor& colour, int amount);

// A font by family and pixel size; the families are the CJK faces installed with the game's
// build dependencies.
QFont PixelFont(const QString& family, double pixelSize, int weight = QFont::Normal);

// Text with a halo around it, for lettering laid over a busy picture.
void HaloText(QPainter& painter, const QPointF& baseline, const QString& text, const QFont& font,
              const QColor& fill, const QColor& halo, double haloWidth);

// Common features of the painted scenes.
void Cloud(QPainter& painter, const QPointF& centre, double width, double height, Rng& rng,
           const QColor& colour = QColor(255, 255, 255, 200));
void TreeCrown(QPainter& painter, const QPointF& centre, double radius, const QColor& base,
               Rng& rng);

} // namespace tp::generator
