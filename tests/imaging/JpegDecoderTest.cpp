// SPDX-License-Identifier: MIT
#include "imaging/JpegDecoder.h"
#include "imaging/StoredPicture.h"
#include "tests/imaging/TestStreams.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include <jerror.h>
#include <jpeglib.h>

namespace tp::imaging {
namespace {

using test::Bytes;
using test::Coding;

std::string ErrorFor(int code) {
    return "JPEG error #" + std::to_string(code);
}

// The mean and worst difference between a decoded card and the card it was made from.
struct Difference {
    double mean = 0;
    int worst = 0;
};

Difference CompareWithCard(const DecodedPicture& picture) {
    Difference d;
    long total = 0;
    for (int y = 0; y < picture.height; ++y) {
        const unsigned char* row = picture.Row(y);
        for (int x = 0; x < picture.width; ++x) {
            const std::uint32_t want = test::CardPixel(x, y, picture.width, picture.height);
            for (int c = 0; c < 3; ++c) {
                const int expected = static_cast<int>(want >> (16 - 8 * c) & 0xFF);
                const int diff = std::abs(row[x * 3 + c] - expected);
                total += diff;
                d.worst = std::max(d.worst, diff);
            }
        }
    }
    d.mean = static_cast<double>(total) / (3.0 * picture.width * picture.height);
    return d;
}

// A failed decode says why and carries nothing else.
void ExpectFailure(const DecodeResult& result, const std::string& message) {
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, message);
    EXPECT_EQ(result.picture.width, 0);
    EXPECT_EQ(result.picture.height, 0);
    EXPECT_TRUE(result.picture.pixels.empty());
    EXPECT_TRUE(result.picture.palette.empty());
}

class EveryCoding : public ::testing::TestWithParam<Coding> {};

TEST_P(EveryCoding, DecodesToTheEncodedPictureAtFullSize) {
    // Odd sizes, so that partial blocks and half-sampled edges are exercised too.
    const Bytes jpeg = test::EncodeCard(113, 71, GetParam());
    const DecodeResult result = DecodeJpeg(jpeg, ColourDepth::TrueColour);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_TRUE(result.error.empty());
    EXPECT_EQ(result.picture.width, 113);
    EXPECT_EQ(result.picture.height, 71);
    EXPECT_EQ(result.picture.bitsPerPixel, 24);
    EXPECT_EQ(result.picture.pixels.size(), 113u * 71u * 3u);
    const Difference d = CompareWithCard(result.picture);
    EXPECT_LT(d.mean, 2.5);
    EXPECT_LT(d.worst, 40);
}

// Rows written where the target says, however its rows lie in memory: here each is followed by
// four bytes the decoder must not touch.
class PaddedTarget final : public PictureTarget {
public:
    bool Start(int width, int height, int bitsPerPixel) override {
        ++starts;
        rowBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel / 8);
        rows = static_cast<std::size_t>(height);
        memory.assign((rowBytes + 4) * rows, 0xAB);
        return accept;
    }
    unsigned char* Row(int y) override {
        return memory.data() + static_cast<std::size_t>(y) * (rowBytes + 4);
    }
    bool accept = true;
    int starts = 0;
    std::size_t rowBytes = 0;
    std::size_t rows = 0;
    std::vector<unsigned char> memory;
};

TEST_P(EveryCoding, DecodesIntoTheTargetsOwnRowsAsIntoAPackedPicture) {
    const Bytes jpeg = test::EncodeCard(113, 71, GetParam());
    for (const ColourDepth depth : {ColourDepth::TrueColour, ColourDepth::Palette}) {
        const DecodeResult packed = DecodeJpeg(jpeg, depth);
        ASSERT_TRUE(packed.ok);
        PaddedTarget target;
        Palette palette;
        EXPECT_EQ(DecodeJpegInto(jpeg, depth, target, palette), "");
        EXPECT_EQ(target.starts, 1);
        ASSERT_EQ(target.rows, 71u);
        for (std::size_t y = 0; y < target.rows; ++y) {
            const unsigned char* row = target.memory.data() + y * (target.rowBytes + 4);
            ASSERT_TRUE(
                std::equal(row, row + target.rowBytes, packed.picture.Row(static_cast<int>(y))))
                << "row " << y;
            for (std::size_t pad = 0; pad < 4; ++pad) {
                ASSERT_EQ(row[target.rowBytes + pad], 0xAB) << "row " << y;
            }
        }
        EXPECT_EQ(palette, packed.picture.palette);
    }
}

TEST(JpegDecoder, ATargetWithNoRoomForThePictureGetsNothingAndAReason) {
    const Bytes jpeg = test::EncodeCard(64, 48, Coding::Baseline444);
    PaddedTarget target;
    target.accept = false;
    Palette palette;
    EXPECT_EQ(DecodeJpegInto(jpeg, ColourDepth::Palette, target, palette),
              ErrorFor(JERR_OUT_OF_MEMORY));
    EXPECT_TRUE(palette.empty());
}

TEST_P(EveryCoding, StreamHasTheCodingAsked) {
    const Bytes jpeg = test::EncodeCard(64, 48, GetParam());
    const auto layout = test::ReadLayout(jpeg);
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->progressive, GetParam() == Coding::Progressive);
    EXPECT_EQ(layout->lumaH, GetParam() == Coding::Baseline2x2 ? 2 : 1);
    EXPECT_EQ(layout->restartInterval > 0, GetParam() == Coding::RestartMarkers);
}

TEST_P(EveryCoding, PaletteDepthUsesAtMost236Colours) {
    const Bytes jpeg = test::EncodeCard(120, 90, GetParam());
    const DecodeResult result = DecodeJpeg(jpeg, ColourDepth::Palette);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.picture.bitsPerPixel, 8);
    EXPECT_EQ(result.picture.pixels.size(), 120u * 90u);
    ASSERT_LE(result.picture.palette.size(), 236u);
    // The card has thousands of colours, so the quantizer should use nearly all it may.
    EXPECT_GE(result.picture.palette.size(), 200u);
    std::set<unsigned char> used(result.picture.pixels.begin(), result.picture.pixels.end());
    EXPECT_LT(static_cast<std::size_t>(*used.rbegin()), result.picture.palette.size());
    // And the dithered picture still looks like the card: compare a patch's average.
    long red = 0;
    for (int y = 40; y < 50; ++y) {
        for (int x = 100; x < 110; ++x) {
            red += result.picture.palette[result.picture.Row(y)[x]][0];
        }
    }
    EXPECT_NEAR(static_cast<double>(red) / 100.0, 104.5 * 255 / 119.0, 12);
}

INSTANTIATE_TEST_SUITE_P(Codings, EveryCoding,
                         ::testing::Values(Coding::Baseline444, Coding::Baseline2x2,
                                           Coding::Progressive, Coding::RestartMarkers));

TEST(JpegDecoderFailures, EmptyStreamIsAnError) {
    ExpectFailure(DecodeJpeg({}, ColourDepth::TrueColour), ErrorFor(JERR_INPUT_EMPTY));
    EXPECT_EQ(ReadJpegSize({}).error, ErrorFor(JERR_INPUT_EMPTY));
}

TEST(JpegDecoderFailures, TruncatedStreamsReportThePrematureEnd) {
    for (Coding coding : {Coding::Baseline444, Coding::Progressive, Coding::RestartMarkers}) {
        const Bytes jpeg = test::EncodeCard(96, 64, coding);
        // Cut inside the headers, inside the first scan and just before the end marker.
        for (std::size_t keep : {std::size_t{40}, jpeg.size() / 2, jpeg.size() - 2}) {
            SCOPED_TRACE(keep);
            const std::span<const unsigned char> cut(jpeg.data(), keep);
            ExpectFailure(DecodeJpeg(cut, ColourDepth::TrueColour), ErrorFor(JWRN_JPEG_EOF));
            ExpectFailure(DecodeJpeg(cut, ColourDepth::Palette), ErrorFor(JWRN_JPEG_EOF));
        }
    }
}

TEST(JpegDecoderFailures, CorruptedStreamsReportLibjpegsMessageNumber) {
    const Bytes good = test::EncodeCard(64, 48, Coding::Baseline444);
    const auto layout = test::ReadLayout(good);
    ASSERT_TRUE(layout.has_value());

    Bytes noSoi = good;
    noSoi[1] = 0x00;
    ExpectFailure(DecodeJpeg(noSoi, ColourDepth::TrueColour), ErrorFor(JERR_NO_SOI));

    // Find the frame header and damage it in two ways.
    std::size_t sof = 2;
    while (!(good[sof] == 0xFF && good[sof + 1] == 0xC0)) {
        sof += 2 + static_cast<std::size_t>(good[sof + 2] << 8 | good[sof + 3]);
    }
    Bytes precision = good;
    precision[sof + 4] = 12;
    ExpectFailure(DecodeJpeg(precision, ColourDepth::TrueColour), ErrorFor(JERR_BAD_PRECISION));
    Bytes noWidth = good;
    noWidth[sof + 7] = 0;
    noWidth[sof + 8] = 0;
    ExpectFailure(DecodeJpeg(noWidth, ColourDepth::TrueColour), ErrorFor(JERR_EMPTY_IMAGE));

    // Garbage in place of the entropy-coded data: libjpeg's warnings about it count as errors.
    Bytes scrambled = good;
    for (std::size_t i = scrambled.size() / 2; i < scrambled.size() - 2; ++i) {
        scrambled[i] = 0xFF;
    }
    const DecodeResult result = DecodeJpeg(scrambled, ColourDepth::TrueColour);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error.rfind("JPEG error #", 0), 0u) << result.error;
    EXPECT_TRUE(result.picture.pixels.empty());
}

TEST(JpegDecoderFailures, NeverEndsTheProcessOnAnyDamagedByte) {
    // Every single-byte change in a small stream either decodes or fails with a message.
    const Bytes good = test::EncodeCard(24, 16, Coding::Progressive);
    int failures = 0;
    for (std::size_t i = 0; i < good.size(); ++i) {
        Bytes bad = good;
        bad[i] = static_cast<unsigned char>(bad[i] ^ 0x5A);
        const DecodeResult result = DecodeJpeg(bad, ColourDepth::TrueColour);
        if (!result.ok) {
            ++failures;
            EXPECT_EQ(result.error.rfind("JPEG error #", 0), 0u) << result.error;
        } else {
            EXPECT_EQ(result.picture.pixels.size(),
                      static_cast<std::size_t>(result.picture.width) *
                          static_cast<std::size_t>(result.picture.height) * 3);
        }
    }
    EXPECT_GT(failures, 0);
}

TEST(JpegDecoderFailures, RefusesPicturesTooLargeToBeTheGames) {
    const Bytes good = test::EncodeCard(64, 48, Coding::Progressive);
    Bytes huge = good;
    std::size_t sof = 2;
    while (!(huge[sof] == 0xFF && huge[sof + 1] == 0xC2)) {
        sof += 2 + static_cast<std::size_t>(huge[sof + 2] << 8 | huge[sof + 3]);
    }
    huge[sof + 5] = 0xFF; // height 65535 x 64
    huge[sof + 6] = 0xFF;
    ExpectFailure(DecodeJpeg(huge, ColourDepth::TrueColour), ErrorFor(JERR_IMAGE_TOO_BIG));
    EXPECT_EQ(ReadJpegSize(huge).error, ErrorFor(JERR_IMAGE_TOO_BIG));
}

TEST(JpegSizeFromHeader, MatchesTheDecodedSize) {
    const Bytes jpeg = test::EncodeCard(150, 108, Coding::Baseline2x2);
    const JpegSize size = ReadJpegSize(jpeg);
    ASSERT_TRUE(size.ok) << size.error;
    EXPECT_EQ(size.width, 150);
    EXPECT_EQ(size.height, 108);
    // The header alone is enough: the size is known even when the data after it is cut.
    const JpegSize cut = ReadJpegSize(std::span<const unsigned char>(jpeg).first(jpeg.size() / 2));
    EXPECT_TRUE(cut.ok);
    EXPECT_EQ(cut.width, 150);
}

TEST(StoredPictureForm, UnwrapsTheStreamAndDecodesIt) {
    const Bytes jpeg = test::EncodeCard(40, 30, Coding::Baseline444);
    const Bytes stored = test::Stored(jpeg);
    const StoredPicture picture = ReadStoredPicture(stored);
    ASSERT_TRUE(picture.ok);
    EXPECT_EQ(picture.stream.size(), jpeg.size());
    EXPECT_EQ(picture.stream.data(), stored.data() + 15); // not copied
    const DecodeResult result = DecodeStoredPicture(stored, ColourDepth::TrueColour);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.picture.width, 40);
    const JpegSize size = ReadStoredPictureSize(stored);
    EXPECT_EQ(size.height, 30);
}

TEST(StoredPictureForm, RejectsOtherClassesAndShortHeaders) {
    const Bytes jpeg = test::EncodeCard(40, 30, Coding::Baseline444);
    Bytes otherClass = test::Stored(jpeg);
    otherClass[1] = 'X';
    ExpectFailure(DecodeStoredPicture(otherClass, ColourDepth::TrueColour), kNotAPicture);
    const Bytes header = test::Stored(jpeg);
    ExpectFailure(DecodeStoredPicture(std::span(header).first(14), ColourDepth::TrueColour),
                  kNotAPicture);
    ExpectFailure(DecodeStoredPicture({}, ColourDepth::TrueColour), kNotAPicture);
}

TEST(StoredPictureForm, LengthDecidesWhereTheStreamEnds) {
    const Bytes jpeg = test::EncodeCard(40, 30, Coding::Baseline444);
    // Stored data cut short of its stated length.
    const Bytes stored = test::Stored(jpeg);
    ExpectFailure(
        DecodeStoredPicture(std::span(stored).first(stored.size() - 100), ColourDepth::TrueColour),
        ErrorFor(JWRN_JPEG_EOF));
    // A stated length shorter than the stream: the rest is not part of the picture.
    Bytes shortLength = stored;
    const auto stated = static_cast<std::uint32_t>(jpeg.size() - 100);
    for (int i = 0; i < 4; ++i) {
        shortLength[11 + static_cast<std::size_t>(i)] =
            static_cast<unsigned char>(stated >> (8 * i));
    }
    ExpectFailure(DecodeStoredPicture(shortLength, ColourDepth::TrueColour),
                  ErrorFor(JWRN_JPEG_EOF));
    // A stated length of zero is an empty stream.
    Bytes zero = stored;
    zero[11] = zero[12] = zero[13] = zero[14] = 0;
    ExpectFailure(DecodeStoredPicture(zero, ColourDepth::TrueColour), ErrorFor(JERR_INPUT_EMPTY));
}

} // namespace
} // namespace tp::imaging
