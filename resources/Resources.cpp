// SPDX-License-Identifier: MIT
#include "resources/Resources.h"

#include <cstddef>

// The arrays come from the generated source that EmbedFiles.cmake writes.
namespace tp::resources::data {
#define TP_RESOURCE(name)                                                                          \
    extern const unsigned char name[];                                                             \
    extern const std::size_t name##Size;
TP_RESOURCE(kMainBeach)
TP_RESOURCE(kMainMap)
TP_RESOURCE(kMainIsland)
TP_RESOURCE(kDiaryTown)
TP_RESOURCE(kBankLogo)
TP_RESOURCE(kHospitalBuilding)
TP_RESOURCE(kCafeBrowser)
TP_RESOURCE(kAgencyPavilion)
TP_RESOURCE(kGlyphBank)
TP_RESOURCE(kGlyphHospital)
TP_RESOURCE(kGlyphInternetCafe)
TP_RESOURCE(kGlyphAgency)
TP_RESOURCE(kGlyphStatement)
TP_RESOURCE(kGlyphHelp)
TP_RESOURCE(kKindOK)
TP_RESOURCE(kKindYes)
TP_RESOURCE(kKindNo)
TP_RESOURCE(kKindCancel)
TP_RESOURCE(kKindHelp)
TP_RESOURCE(kKindClose)
TP_RESOURCE(kKindAbort)
TP_RESOURCE(kKindRetry)
TP_RESOURCE(kKindIgnore)
TP_RESOURCE(kKindAll)
TP_RESOURCE(kListIconImage)
TP_RESOURCE(kListIconMask)
TP_RESOURCE(kProgramIcon)
#undef TP_RESOURCE
} // namespace tp::resources::data

namespace tp::resources {
namespace {

using Bytes = std::span<const unsigned char>;

Bytes Of(const unsigned char* data, std::size_t size) {
    return {data, size};
}

} // namespace

std::span<const unsigned char> Picture(PictureId id) {
    using namespace data;
    switch (id) {
    case PictureId::MainBeach:
        return Of(kMainBeach, kMainBeachSize);
    case PictureId::MainMap:
        return Of(kMainMap, kMainMapSize);
    case PictureId::MainIsland:
        return Of(kMainIsland, kMainIslandSize);
    case PictureId::DiaryTown:
        return Of(kDiaryTown, kDiaryTownSize);
    case PictureId::BankLogo:
        return Of(kBankLogo, kBankLogoSize);
    case PictureId::HospitalBuilding:
        return Of(kHospitalBuilding, kHospitalBuildingSize);
    case PictureId::CafeBrowser:
        return Of(kCafeBrowser, kCafeBrowserSize);
    case PictureId::AgencyPavilion:
        return Of(kAgencyPavilion, kAgencyPavilionSize);
    }
    return {};
}

std::span<const unsigned char> Glyph(GlyphId id) {
    using namespace data;
    switch (id) {
    case GlyphId::Bank:
        return Of(kGlyphBank, kGlyphBankSize);
    case GlyphId::Hospital:
        return Of(kGlyphHospital, kGlyphHospitalSize);
    case GlyphId::InternetCafe:
        return Of(kGlyphInternetCafe, kGlyphInternetCafeSize);
    case GlyphId::Agency:
        return Of(kGlyphAgency, kGlyphAgencySize);
    case GlyphId::Statement:
        return Of(kGlyphStatement, kGlyphStatementSize);
    case GlyphId::Help:
        return Of(kGlyphHelp, kGlyphHelpSize);
    }
    return {};
}

std::span<const unsigned char> KindGlyph(StockGlyph glyph) {
    using namespace data;
    switch (glyph) {
    case StockGlyph::OK:
        return Of(kKindOK, kKindOKSize);
    case StockGlyph::Yes:
        return Of(kKindYes, kKindYesSize);
    case StockGlyph::No:
        return Of(kKindNo, kKindNoSize);
    case StockGlyph::Cancel:
        return Of(kKindCancel, kKindCancelSize);
    case StockGlyph::Help:
        return Of(kKindHelp, kKindHelpSize);
    case StockGlyph::Close:
        return Of(kKindClose, kKindCloseSize);
    case StockGlyph::Abort:
        return Of(kKindAbort, kKindAbortSize);
    case StockGlyph::Retry:
        return Of(kKindRetry, kKindRetrySize);
    case StockGlyph::Ignore:
        return Of(kKindIgnore, kKindIgnoreSize);
    case StockGlyph::All:
        return Of(kKindAll, kKindAllSize);
    }
    return {};
}

ListIconStrip ListIcons() {
    return {Of(data::kListIconImage, data::kListIconImageSize),
            Of(data::kListIconMask, data::kListIconMaskSize)};
}

std::span<const unsigned char> ProgramIcon() {
    return Of(data::kProgramIcon, data::kProgramIconSize);
}

} // namespace tp::resources
