// SPDX-License-Identifier: MIT
// The internet cafe panel's picture: a web browser window showing the front page of an
// invented news and remittance site.

#include "Paint.h"
#include "Scenes.h"

#include <QLinearGradient>
#include <QPainterPath>

namespace tp::generator {
namespace {

constexpr int kWidth = 150;
constexpr int kHeight = 108;
constexpr double kPageTop = 27;

void TitleBar(QPainter& p) {
    QLinearGradient bar(0, 0, kWidth, 0);
    bar.setColorAt(0.0, QColor(10, 36, 106));
    bar.setColorAt(1.0, QColor(96, 140, 210));
    p.fillRect(QRectF(0, 0, kWidth, 9), bar);
    p.setPen(Qt::white);
    p.setFont(PixelFont("WenQuanYi Zen Hei", 6.5, QFont::Bold));
    p.drawText(QPointF(9, 7), QString::fromUtf8("潮汐网 - 网上冲浪"));
    p.setBrush(QColor(250, 250, 250));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(2, 1.5, 5, 5), 1, 1);
    p.setBrush(QColor(40, 110, 200));
    p.drawEllipse(QPointF(4.5, 4), 1.6, 1.6);
    for (int i = 0; i < 3; ++i) { // minimise, maximise, close
        const QRectF box(kWidth - 22 + i * 7, 1.5, 6, 6);
        p.setPen(QPen(QColor(90, 90, 90), 0.4));
        p.setBrush(QColor(212, 208, 200));
        p.drawRect(box);
        p.setPen(QPen(Qt::black, 0.7));
        if (i == 0) {
            p.drawLine(QPointF(box.left() + 1.5, box.bottom() - 1.5),
                       QPointF(box.right() - 1.5, box.bottom() - 1.5));
        } else if (i == 1) {
            p.setBrush(Qt::NoBrush);
            p.drawRect(box.adjusted(1.4, 1.4, -1.4, -1.4));
        } else {
            p.drawLine(box.topLeft() + QPointF(1.5, 1.5), box.bottomRight() - QPointF(1.5, 1.5));
            p.drawLine(box.topRight() + QPointF(-1.5, 1.5), box.bottomLeft() + QPointF(1.5, -1.5));
        }
    }
}

void Toolbar(QPainter& p) {
    p.fillRect(QRectF(0, 9, kWidth, 18), QColor(212, 208, 200));
    p.setPen(QPen(QColor(128, 128, 128), 0.5));
    p.drawLine(QPointF(0, 17.5), QPointF(kWidth, 17.5));
    // Menu words.
    p.setPen(QColor(20, 20, 20));
    p.setFont(PixelFont("WenQuanYi Zen Hei", 5.5));
    p.drawText(QPointF(3, 15.5), QString::fromUtf8("文件  编辑  查看  收藏  工具  帮助"));
    // Back and forward arrows, reload, home.
    const auto arrow = [&p](double x, bool back, const QColor& colour) {
        QPainterPath path;
        const double d = back ? -1 : 1;
        path.moveTo(x - 2.5 * d, 22.5);
        path.lineTo(x + 0.5 * d, 19.5);
        path.lineTo(x + 0.5 * d, 21.3);
        path.lineTo(x + 2.8 * d, 21.3);
        path.lineTo(x + 2.8 * d, 23.7);
        path.lineTo(x + 0.5 * d, 23.7);
        path.lineTo(x + 0.5 * d, 25.5);
        path.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawPath(path);
    };
    arrow(6, true, QColor(30, 140, 50));
    arrow(14, false, QColor(150, 150, 150));
    p.setPen(QPen(QColor(30, 90, 180), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(19.5, 20, 5, 5), 60 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(180, 60, 40));
    QPainterPath home;
    home.moveTo(27, 22.5);
    home.lineTo(30, 19.5);
    home.lineTo(33, 22.5);
    home.closeSubpath();
    p.drawPath(home);
    p.setBrush(QColor(230, 200, 120));
    p.drawRect(QRectF(28, 22.5, 4, 3));
    // The address field.
    p.setPen(QPen(QColor(110, 110, 110), 0.5));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(37, 19, kWidth - 40, 7));
    p.setPen(QColor(20, 20, 60));
    p.setFont(PixelFont("DejaVu Sans", 5));
    p.drawText(QPointF(39, 24.5), "http://www.chaoxi-wang.example/");
}

void Page(QPainter& p, Rng& rng) {
    const QRectF page(0, kPageTop, kWidth - 6, kHeight - kPageTop - 7);
    p.fillRect(page, QColor(255, 255, 255));
    // The site's banner.
    QLinearGradient banner(0, kPageTop, 0, kPageTop + 14);
    banner.setColorAt(0.0, QColor(0, 150, 170));
    banner.setColorAt(1.0, QColor(0, 104, 132));
    p.fillRect(QRectF(0, kPageTop, page.width(), 14), banner);
    HaloText(p, QPointF(4, kPageTop + 11), QString::fromUtf8("潮汐网"),
             PixelFont("AR PL UKai CN", 11), QColor(255, 255, 255), QColor(0, 70, 90, 160), 1);
    p.setPen(QColor(220, 246, 250));
    p.setFont(PixelFont("DejaVu Sans", 4.5));
    p.drawText(QPointF(42, kPageTop + 10), "chaoxi-wang.example");
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 200, 40));
    p.drawRoundedRect(QRectF(page.width() - 30, kPageTop + 3.5, 26, 7), 2, 2);
    p.setPen(QColor(90, 50, 0));
    p.setFont(PixelFont("WenQuanYi Zen Hei", 5.5, QFont::Bold));
    p.drawText(QRectF(page.width() - 30, kPageTop + 3.5, 26, 7), Qt::AlignCenter,
               QString::fromUtf8("网上汇款"));
    // Navigation tabs.
    p.fillRect(QRectF(0, kPageTop + 14, page.width(), 6), QColor(232, 240, 242));
    p.setPen(QColor(0, 90, 120));
    p.setFont(PixelFont("WenQuanYi Zen Hei", 5));
    p.drawText(QPointF(4, kPageTop + 18.8),
               QString::fromUtf8("首页  新闻  行情  汇款  论坛  游戏"));
    // A photograph on the left, headlines and text on the right.
    const QRectF photo(4, kPageTop + 23, 46, 34);
    QLinearGradient sky(0, photo.top(), 0, photo.bottom());
    sky.setColorAt(0.0, QColor(120, 170, 220));
    sky.setColorAt(0.55, QColor(210, 226, 236));
    sky.setColorAt(0.56, QColor(40, 110, 160));
    sky.setColorAt(1.0, QColor(20, 70, 120));
    p.fillRect(photo, sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 110, 60));
    p.drawEllipse(QPointF(photo.left() + 30, photo.top() + 19.5), 9, 3.5);
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(photo.left() + 30, photo.top() + 9, 2, 9));
    p.setPen(QColor(30, 30, 30));
    p.setFont(PixelFont("WenQuanYi Zen Hei", 4.8));
    p.drawText(QPointF(photo.left(), photo.bottom() + 6), QString::fromUtf8("海滨风光 本周推荐"));
    p.setPen(QColor(180, 30, 30));
    p.setFont(PixelFont("WenQuanYi Zen Hei", 6.5, QFont::Bold));
    p.drawText(QPointF(55, kPageTop + 29), QString::fromUtf8("今日行情：海货价格上涨"));
    for (int i = 0; i < 7; ++i) {
        const double y = kPageTop + 33 + i * 4.6;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 80, 170));
        p.drawRect(QRectF(55, y + 0.6, 1.6, 1.6));
        p.setBrush(i % 3 == 0 ? QColor(60, 90, 170) : QColor(150, 150, 156));
        p.drawRect(QRectF(59, y + 0.4, rng.Uniform(50, 80), 2.0));
    }
    p.fillRect(QRectF(0, page.bottom() - 6, page.width(), 6), QColor(236, 236, 236));
    p.setPen(QColor(120, 120, 120));
    p.setFont(PixelFont("DejaVu Sans", 4));
    p.drawText(QPointF(40, page.bottom() - 1.8), "(c) chaoxi-wang.example");
}

void Frame(QPainter& p) {
    // The vertical scroll bar and the status bar.
    p.fillRect(QRectF(kWidth - 6, kPageTop, 6, kHeight - kPageTop - 7), QColor(226, 222, 214));
    p.fillRect(QRectF(kWidth - 5.5, kPageTop + 6, 5, 20), QColor(200, 196, 188));
    p.fillRect(QRectF(0, kHeight - 7, kWidth, 7), QColor(212, 208, 200));
    p.setPen(QPen(QColor(128, 128, 128), 0.5));
    p.drawLine(QPointF(0, kHeight - 6.8), QPointF(kWidth, kHeight - 6.8));
    p.setPen(QColor(30, 30, 30));
    p.setFont(PixelFont("WenQuanYi Zen Hei", 5));
    p.drawText(QPointF(3, kHeight - 1.6), QString::fromUtf8("完成"));
    p.setPen(QPen(QColor(64, 64, 64), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
}

} // namespace

QImage PaintCafeBrowser() {
    return Supersampled(kWidth, kHeight, 3, [](QPainter& p) {
        Rng rng(2001);
        TitleBar(p);
        Toolbar(p);
        Page(p, rng);
        Frame(p);
    });
}

} // namespace tp::generator
