// SPDX-License-Identifier: MIT
#include "imaging/StoredPicture.h"
#include "resources/Resources.h"
#include "tests/imaging/TestStreams.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace tp::resources {
namespace {

using imaging::ColourDepth;

struct Expected {
    PictureId id;
    const char* name;
    int width;
    int height;
    bool progressive;
    bool subsampled;
    bool restarts;
};

const Expected kPictures[] = {
    {PictureId::MainBeach, "MainBeach", 156, 343, false, false, false},
    {PictureId::MainMap, "MainMap", 200, 200, true, false, false},
    {PictureId::MainIsland, "MainIsland", 113, 116, false, true, false},
    {PictureId::DiaryTown, "DiaryTown", 100, 131, false, false, true},
    {PictureId::BankLogo, "BankLogo", 183, 49, false, false, false},
    {PictureId::HospitalBuilding, "HospitalBuilding", 80, 80, false, false, false},
    {PictureId::CafeBrowser, "CafeBrowser", 150, 108, false, false, false},
    {PictureId::AgencyPavilion, "AgencyPavilion", 100, 121, false, true, false},
};

class StoredPictures : public ::testing::TestWithParam<Expected> {};

TEST_P(StoredPictures, StoredFormWrapsExactlyOneJpegStream) {
    const std::span<const unsigned char> stored = Picture(GetParam().id);
    ASSERT_GT(stored.size(), 15u);
    EXPECT_EQ(stored[0], 10);
    EXPECT_EQ(std::memcmp(stored.data() + 1, "TJPEGImage", 10), 0);
    std::uint32_t length = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        length |= static_cast<std::uint32_t>(stored[11 + i]) << (8 * i);
    }
    EXPECT_EQ(length, stored.size() - 15);
    // Each picture holds well under the 48 KB that the biggest may take.
    EXPECT_LT(length, 48u * 1024u);
}

TEST_P(StoredPictures, StreamHasTheStatedSizeAndCoding) {
    const imaging::StoredPicture picture = imaging::ReadStoredPicture(Picture(GetParam().id));
    ASSERT_TRUE(picture.ok);
    const auto layout = test::ReadLayout(picture.stream);
    ASSERT_TRUE(layout.has_value());
    EXPECT_TRUE(layout->startsWithSoi);
    EXPECT_TRUE(layout->endsWithEoi);
    EXPECT_TRUE(layout->huffman);
    EXPECT_EQ(layout->width, GetParam().width);
    EXPECT_EQ(layout->height, GetParam().height);
    EXPECT_EQ(layout->components, 3);
    EXPECT_EQ(layout->progressive, GetParam().progressive);
    EXPECT_EQ(layout->baseline, !GetParam().progressive);
    EXPECT_EQ(layout->scans > 1, GetParam().progressive);
    const int luma = GetParam().subsampled ? 2 : 1;
    EXPECT_EQ(layout->lumaH, luma);
    EXPECT_EQ(layout->lumaV, luma);
    EXPECT_EQ(layout->chromaH, 1);
    EXPECT_EQ(layout->chromaV, 1);
    EXPECT_EQ(layout->restartInterval > 0, GetParam().restarts);
    EXPECT_EQ(layout->restartMarkers > 0, GetParam().restarts);
}

TEST_P(StoredPictures, DecodesAtBothDepths) {
    const std::span<const unsigned char> stored = Picture(GetParam().id);
    const imaging::DecodeResult colour =
        imaging::DecodeStoredPicture(stored, ColourDepth::TrueColour);
    ASSERT_TRUE(colour.ok) << colour.error;
    EXPECT_EQ(colour.picture.width, GetParam().width);
    EXPECT_EQ(colour.picture.height, GetParam().height);
    EXPECT_EQ(colour.picture.bitsPerPixel, 24);

    const imaging::DecodeResult palette =
        imaging::DecodeStoredPicture(stored, ColourDepth::Palette);
    ASSERT_TRUE(palette.ok) << palette.error;
    EXPECT_EQ(palette.picture.bitsPerPixel, 8);
    EXPECT_LE(palette.picture.palette.size(), 236u);
    EXPECT_EQ(palette.picture.pixels.size(),
              static_cast<std::size_t>(GetParam().width * GetParam().height));
    for (unsigned char index : palette.picture.pixels) {
        ASSERT_LT(index, palette.picture.palette.size());
    }
}

TEST_P(StoredPictures, IsAPaintedSceneNotAFlatBox) {
    // A deliberate picture has many distinct colours and no large single-colour expanse.
    const imaging::DecodeResult colour =
        imaging::DecodeStoredPicture(Picture(GetParam().id), ColourDepth::TrueColour);
    ASSERT_TRUE(colour.ok);
    std::set<std::uint32_t> colours;
    for (std::size_t i = 0; i + 2 < colour.picture.pixels.size(); i += 3) {
        colours.insert(static_cast<std::uint32_t>(colour.picture.pixels[i] << 16 |
                                                  colour.picture.pixels[i + 1] << 8 |
                                                  colour.picture.pixels[i + 2]));
    }
    EXPECT_GT(colours.size(), 500u);
}

INSTANTIATE_TEST_SUITE_P(All, StoredPictures, ::testing::ValuesIn(kPictures),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(StoredPictureSet, OnlyTheStatedPicturesCarryTheirSpecialCodings) {
    int progressive = 0;
    int restarts = 0;
    for (const Expected& e : kPictures) {
        const auto layout = test::ReadLayout(imaging::ReadStoredPicture(Picture(e.id)).stream);
        ASSERT_TRUE(layout.has_value());
        progressive += layout->progressive;
        restarts += layout->restartInterval > 0;
    }
    EXPECT_EQ(progressive, 1);
    EXPECT_EQ(restarts, 1);
}

TEST(StoredPictureSet, OutOfRangeIdGivesNoData) {
    EXPECT_TRUE(Picture(static_cast<PictureId>(kPictureCount)).empty());
}

} // namespace
} // namespace tp::resources
