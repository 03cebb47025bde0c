// SPDX-License-Identifier: MIT
#include "ui/pictures/PictureBox.h"
#include "imaging/StoredPicture.h"
#include "resources/Resources.h"
#include "tests/imaging/TestStreams.h"
#include "ui/pictures/PictureImage.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <jerror.h>

namespace tp::ui {
namespace {

using test::Bytes;
using test::Coding;

constexpr QRgb kBackdrop = qRgb(255, 0, 255);

// Paints the box into an image larger than it, so that anything drawn outside shows.
QImage Render(PictureBox& box, QSize canvas) {
    QImage target(canvas, QImage::Format_RGB32);
    target.fill(kBackdrop);
    box.render(&target, QPoint(0, 0), QRegion(), QWidget::RenderFlags());
    return target;
}

class PictureBoxTest : public ::testing::Test {
protected:
    // A 60 x 40 card, decoded here once to know what each pixel should be.
    Bytes stored_ = test::Stored(test::EncodeCard(60, 40, Coding::Baseline444));
    QImage expected_ =
        ToQImage(imaging::DecodeStoredPicture(stored_, imaging::ColourDepth::TrueColour).picture)
            .convertToFormat(QImage::Format_RGB32);
};

TEST_F(PictureBoxTest, BoxSmallerThanPictureCutsOffRightAndBottom) {
    PictureBox box;
    box.SetColourDepth(imaging::ColourDepth::TrueColour);
    box.SetPicture(stored_);
    box.setGeometry(0, 0, 45, 30);
    const QImage shot = Render(box, QSize(80, 60));
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 80; ++x) {
            const QRgb want = (x < 45 && y < 30) ? expected_.pixel(x, y) : kBackdrop;
            ASSERT_EQ(shot.pixel(x, y), want) << x << "," << y;
        }
    }
}

TEST_F(PictureBoxTest, BoxLargerThanPictureDrawsItAtNaturalSizeTopLeft) {
    PictureBox box;
    box.SetColourDepth(imaging::ColourDepth::TrueColour);
    box.setAutoFillBackground(true);
    QPalette palette = box.palette();
    palette.setColor(QPalette::Window, QColor(10, 20, 30));
    box.setPalette(palette);
    box.SetPicture(stored_);
    box.setGeometry(0, 0, 90, 70);
    const QImage shot = Render(box, QSize(90, 70));
    for (int y = 0; y < 70; ++y) {
        for (int x = 0; x < 90; ++x) {
            const QRgb want = (x < 60 && y < 40) ? expected_.pixel(x, y) : qRgb(10, 20, 30);
            ASSERT_EQ(shot.pixel(x, y), want) << x << "," << y;
        }
    }
}

TEST_F(PictureBoxTest, DecodesOnFirstPaintAndKeepsTheImage) {
    PictureBox box;
    box.SetPicture(stored_);
    box.resize(60, 40);
    EXPECT_FALSE(box.IsDecoded());
    EXPECT_EQ(box.PictureSize(), QSize(60, 40)); // known from the header alone
    Render(box, QSize(60, 40));
    ASSERT_TRUE(box.IsDecoded());
    const qint64 key = box.DecodedImage().cacheKey();
    Render(box, QSize(60, 40));
    EXPECT_EQ(box.DecodedImage().cacheKey(), key);
    EXPECT_TRUE(box.ErrorText().isEmpty());
}

TEST_F(PictureBoxTest, AutoSizeTakesThePicturesSize) {
    PictureBox box;
    box.setGeometry(8, 32, 10, 10);
    box.SetAutoSize(true);
    box.SetPicture(stored_);
    EXPECT_EQ(box.geometry(), QRect(8, 32, 60, 40));
    EXPECT_FALSE(box.IsDecoded()); // sizing needs no decoding

    PictureBox later;
    later.resize(10, 10);
    later.SetPicture(stored_);
    EXPECT_EQ(later.size(), QSize(10, 10));
    later.SetAutoSize(true);
    EXPECT_EQ(later.size(), QSize(60, 40));
}

TEST_F(PictureBoxTest, PaletteDepthDrawsAnIndexedImage) {
    PictureBox box;
    box.SetColourDepth(imaging::ColourDepth::Palette);
    box.SetPicture(stored_);
    box.resize(60, 40);
    Render(box, QSize(60, 40));
    ASSERT_TRUE(box.IsDecoded());
    EXPECT_EQ(box.DecodedImage().format(), QImage::Format_Indexed8);
    EXPECT_LE(box.DecodedImage().colorCount(), 236);
}

TEST_F(PictureBoxTest, BadStreamFailsOnceWithItsMessageAndDrawsNothing) {
    Bytes truncated = stored_;
    truncated.resize(truncated.size() / 2);
    PictureBox box;
    box.SetPicture(truncated);
    box.resize(60, 40);
    QSignalSpy failed(&box, &PictureBox::PictureFailed);
    const QImage shot = Render(box, QSize(60, 40));
    EXPECT_EQ(box.ErrorText(), QString("JPEG error #%1").arg(JWRN_JPEG_EOF));
    EXPECT_FALSE(box.IsDecoded());
    EXPECT_EQ(shot.pixel(5, 5), kBackdrop);
    ASSERT_TRUE(failed.wait(1000));
    Render(box, QSize(60, 40)); // a later paint does not try again
    QCoreApplication::processEvents();
    ASSERT_EQ(failed.count(), 1);
    EXPECT_EQ(failed.at(0).at(0).toString(), box.ErrorText());
}

TEST_F(PictureBoxTest, GamePicturesKeepTheirBoxesCuts) {
    // The main window's beach strip shows its left 97 columns; the map loses its bottom rows.
    struct Case {
        resources::PictureId id;
        QSize box;
    };
    for (const Case& c : {Case{resources::PictureId::MainBeach, {97, 345}},
                          Case{resources::PictureId::MainMap, {201, 185}},
                          Case{resources::PictureId::BankLogo, {177, 49}}}) {
        PictureBox box;
        box.SetColourDepth(imaging::ColourDepth::TrueColour);
        box.SetPicture(resources::Picture(c.id));
        box.resize(c.box);
        const QImage shot = Render(box, QSize(220, 360));
        ASSERT_TRUE(box.IsDecoded()) << box.ErrorText().toStdString();
        const QImage picture = box.DecodedImage().convertToFormat(QImage::Format_RGB32);
        const QRect shown = QRect(QPoint(0, 0), c.box).intersected(picture.rect());
        EXPECT_EQ(shot.pixel(shown.right(), shown.bottom()),
                  picture.pixel(shown.right(), shown.bottom()));
        EXPECT_EQ(shot.pixel(shown.center()), picture.pixel(shown.center()));
        EXPECT_EQ(shot.pixel(std::min(c.box.width(), 219), 10), kBackdrop);
        EXPECT_EQ(shot.pixel(10, std::min(c.box.height(), 359)), kBackdrop);
    }
}

// Decoded straight into an image, each of the game's pictures is the image the packed decode
// gives, at both depths.
TEST(DecodeStoredImage, GivesThePackedDecodesPictureForEveryGamePicture) {
    for (std::size_t i = 0; i < resources::kPictureCount; ++i) {
        const auto stored = resources::Picture(static_cast<resources::PictureId>(i));
        for (const auto depth : {imaging::ColourDepth::TrueColour, imaging::ColourDepth::Palette}) {
            const DecodedImage decoded = DecodeStoredImage(stored, depth);
            ASSERT_FALSE(decoded.image.isNull()) << decoded.error.toStdString();
            EXPECT_TRUE(decoded.error.isEmpty());
            EXPECT_EQ(decoded.image, ToQImage(imaging::DecodeStoredPicture(stored, depth).picture))
                << "picture " << i;
        }
    }
    const DecodedImage bad =
        DecodeStoredImage(test::Stored(Bytes{0xFF, 0xD8, 0x00}), imaging::ColourDepth::TrueColour);
    EXPECT_TRUE(bad.image.isNull());
    EXPECT_FALSE(bad.error.isEmpty());
}

} // namespace
} // namespace tp::ui
