// SPDX-License-Identifier: MIT
#include "resources/Resources.h"
#include "ui/pictures/Glyphs.h"
#include "ui/pictures/Icons.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace tp::ui {
namespace {

QImage Look(const QIcon& icon, QSize size, QIcon::Mode mode) {
    return icon.pixmap(size, 1.0, mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool OnlyGreyWhiteOrClear(const QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) != 0 && p != qRgb(128, 128, 128) && p != qRgb(255, 255, 255)) {
                return false;
            }
        }
    }
    return true;
}

int Opaque(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += qAlpha(image.pixel(x, y)) == 255;
        }
    }
    return n;
}

class ServiceGlyphs : public ::testing::TestWithParam<resources::GlyphId> {};

TEST_P(ServiceGlyphs, TransparentKeyAndDerivedDisabledLook) {
    const QIcon icon = ServiceGlyphIcon(GetParam());
    ASSERT_FALSE(icon.isNull());
    const QImage normal = Look(icon, QSize(16, 16), QIcon::Normal);
    ASSERT_EQ(normal.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(normal.pixel(0, 15)), 0); // the key pixel itself
    const int opaque = Opaque(normal);
    EXPECT_GT(opaque, 40);  // a drawing, not an empty glyph
    EXPECT_LT(opaque, 256); // and the key colour really is left out around it
    const QImage disabled = Look(icon, QSize(16, 16), QIcon::Disabled);
    EXPECT_NE(disabled, normal);
    EXPECT_TRUE(OnlyGreyWhiteOrClear(disabled));
    EXPECT_GT(Opaque(disabled), 10);
}

INSTANTIATE_TEST_SUITE_P(All, ServiceGlyphs,
                         ::testing::Values(resources::GlyphId::Bank, resources::GlyphId::Hospital,
                                           resources::GlyphId::InternetCafe,
                                           resources::GlyphId::Agency,
                                           resources::GlyphId::Statement,
                                           resources::GlyphId::Help));

class KindGlyphs : public ::testing::TestWithParam<resources::StockGlyph> {};

TEST_P(KindGlyphs, SecondCellIsTheDisabledLook) {
    const QIcon icon = KindGlyphIcon(GetParam());
    ASSERT_FALSE(icon.isNull());
    const QImage normal = Look(icon, QSize(18, 18), QIcon::Normal);
    const QImage disabled = Look(icon, QSize(18, 18), QIcon::Disabled);
    ASSERT_EQ(normal.size(), QSize(18, 18));
    ASSERT_EQ(disabled.size(), QSize(18, 18));
    EXPECT_GT(Opaque(normal), 15);
    EXPECT_LT(Opaque(normal), 18 * 18);
    EXPECT_TRUE(OnlyGreyWhiteOrClear(disabled));
    EXPECT_FALSE(OnlyGreyWhiteOrClear(normal));
}

INSTANTIATE_TEST_SUITE_P(
    All, KindGlyphs,
    ::testing::Values(resources::StockGlyph::OK, resources::StockGlyph::Yes,
                      resources::StockGlyph::No, resources::StockGlyph::Cancel,
                      resources::StockGlyph::Help, resources::StockGlyph::Close,
                      resources::StockGlyph::Abort, resources::StockGlyph::Retry,
                      resources::StockGlyph::Ignore, resources::StockGlyph::All));

TEST(KindGlyphColours, CheckIsGreenAndNoIsRed) {
    const auto dominant = [](const QImage& image) {
        long r = 0;
        long g = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (qAlpha(p) != 0) {
                    r += qRed(p);
                    g += qGreen(p);
                }
            }
        }
        return r > g ? 'r' : 'g';
    };
    EXPECT_EQ(
        dominant(Look(KindGlyphIcon(resources::StockGlyph::OK), QSize(18, 18), QIcon::Normal)),
        'g');
    EXPECT_EQ(
        dominant(Look(KindGlyphIcon(resources::StockGlyph::Yes), QSize(18, 18), QIcon::Normal)),
        'g');
    EXPECT_EQ(
        dominant(Look(KindGlyphIcon(resources::StockGlyph::No), QSize(18, 18), QIcon::Normal)),
        'r');
}

TEST(ListIconSet, TwoIconsWhoseMaskLeavesTheGroundClear) {
    const QList<QIcon> icons = ListIconSet();
    ASSERT_EQ(icons.size(), 2);
    const QImage wheel = Look(icons[0], QSize(16, 16), QIcon::Normal);
    const QImage computer = Look(icons[1], QSize(16, 16), QIcon::Normal);
    ASSERT_EQ(wheel.size(), QSize(16, 16));
    // The wheel sits on a light blue ground that fills its cell but for the rounded corners.
    EXPECT_EQ(qAlpha(wheel.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(wheel.pixel(5, 1)), 255);
    EXPECT_GT(qBlue(wheel.pixel(5, 1)), qRed(wheel.pixel(5, 1)));
    EXPECT_GT(Opaque(wheel), 200);
    // The computer stands free: clear beside the monitor, solid on the screen.
    EXPECT_EQ(qAlpha(computer.pixel(0, 2)), 0);
    EXPECT_EQ(qAlpha(computer.pixel(8, 5)), 255);
    EXPECT_TRUE(ListIcon(2).isNull());
    EXPECT_TRUE(ListIcon(-1).isNull());
}

TEST(ListIconSet, StripNeedsMatchingMask) {
    const resources::ListIconStrip stored = resources::ListIcons();
    const QImage strip = ListIconStrip(stored.image, stored.mask);
    ASSERT_EQ(strip.size(), QSize(64, 16));
    // The two unused cells are wholly transparent.
    for (int x = 32; x < 64; ++x) {
        ASSERT_EQ(qAlpha(strip.pixel(x, 8)), 0) << x;
    }
    EXPECT_TRUE(ListIconStrip(stored.image, {}).isNull());
    EXPECT_TRUE(ListIconStrip(stored.image, stored.image.first(100)).isNull());
}

TEST(ProgramIconImage, IsABlueDolphinOnAClearGround) {
    const QIcon icon = WindowIcon();
    ASSERT_FALSE(icon.isNull());
    const QImage image = Look(icon, QSize(32, 32), QIcon::Normal);
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(qAlpha(image.pixel(31, 0)), 0);
    long blue = 0;
    long red = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QRgb p = image.pixel(x, y);
            if (qAlpha(p) == 255) {
                blue += qBlue(p);
                red += qRed(p);
            }
        }
    }
    EXPECT_GT(blue, 2 * red);
    EXPECT_GT(Opaque(image), 150);
}

} // namespace
} // namespace tp::ui
