// SPDX-License-Identifier: MIT
#pragma once

// The game's pictures, button glyphs, list icons and program icon, compiled into the program as
// constant byte arrays: nothing is read from files and nothing is built at start-up. The faces
// are files of their own (FaceFiles.h).

#include <cstddef>
#include <span>

namespace tp::resources {

// The eight JPEG pictures, each in its stored form: the length-prefixed class name
// "TJPEGImage", the stream's length as a 32-bit little-endian integer, then the JPEG stream.
enum class PictureId {
    MainBeach,        // main window, left strip: 156 x 343, baseline 4:4:4
    MainMap,          // main window, street map: 200 x 200, progressive 4:4:4
    MainIsland,       // main window, status block: 113 x 116, baseline 2x2
    DiaryTown,        // diary window: 100 x 131, baseline 4:4:4 with restart markers
    BankLogo,         // service window, bank: 183 x 49, baseline 4:4:4
    HospitalBuilding, // service window, hospital: 80 x 80, baseline 4:4:4
    CafeBrowser,      // service window, internet cafe: 150 x 108, baseline 4:4:4
    AgencyPavilion,   // service window, agency: 100 x 121, baseline 2x2
};
inline constexpr std::size_t kPictureCount = 8;

// The main window's six service-button glyphs, each in its stored form: a 32-bit
// little-endian length (822) followed by a 16 x 16, 24-bit bitmap file of that length.
enum class GlyphId {
    Bank,         // green banknotes
    Hospital,     // red cross with a light blue centre
    InternetCafe, // blue screen with a mouse pointer
    Agency,       // a small group of coloured figures
    Statement,    // a sheet of paper with a pen
    Help,         // a blue folder with a yellow zip fastener
};
inline constexpr std::size_t kGlyphCount = 6;

// The stock glyphs of the dialogs' bitmap buttons: 16-colour bitmap files of 36 x 18,
// two 18 x 18 cells side by side (normal, then disabled).
enum class StockGlyph {
    OK,
    Yes,
    No,
    Cancel,
    Help,
    Close,
    Abort,
    Retry,
    Ignore,
    All,
};
inline constexpr std::size_t kStockGlyphCount = 10;

// The two list icons (0: ship's wheel, 1: desktop computer) as one 64 x 16 bitmap file at
// 16 bits per pixel (5 bits a colour) with room for four icons, and a 64 x 16 one-bit mask
// bitmap file whose set bits mark transparent pixels.
struct ListIconStrip {
    std::span<const unsigned char> image;
    std::span<const unsigned char> mask;
};
inline constexpr int kListIconCount = 2;
inline constexpr int kListIconSize = 16;

std::span<const unsigned char> Picture(PictureId id);
std::span<const unsigned char> Glyph(GlyphId id);
std::span<const unsigned char> KindGlyph(StockGlyph glyph);
ListIconStrip ListIcons();

// The program icon as an icon file: one 32 x 32 image at 256 colours, a leaping blue dolphin.
std::span<const unsigned char> ProgramIcon();

} // namespace tp::resources
