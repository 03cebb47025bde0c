// SPDX-License-Identifier: MIT
// The six service-button glyphs, 16 x 16. Every one leaves its bottom left pixel in the
// transparent colour, which is how the button knows what to leave out.

#include "Icons.h"
#include "PixelArt.h"

// Glyph rows are laid out one per line, as they appear.
// clang-format off
namespace tp::generator {
namespace {

constexpr QRgb kTransparent = qRgb(255, 0, 255);

PixelCanvas Blank() {
    return PixelCanvas(16, 16, kTransparent);
}

} // namespace

QImage GlyphBank() {
    // Two banknotes, one behind the other.
    PixelCanvas c = Blank();
    const auto& k = GlyphColours();
    c.Stamp(4, 2, {"gggggggggggg",
                   "gLDDDDDDDDLg",
                   "gDDDGLGDDDDg",
                   "gDDGDDDGDDDg",
                   "gDDDGLGDDDDg",
                   "gLDDDDDDDDLg",
                   "gggggggggggg"},
            k);
    c.Stamp(0, 7, {"gggggggggggg",
                   "gwGGGGGGGGwg",
                   "gGGGLwLGGGGg",
                   "gGGLGGGLGGGg",
                   "gGGGLwLGGGGg",
                   "gwGGGGGGGGwg",
                   "gggggggggggg",
                   ".KKKKKKKKKKK"},
            k);
    return c.Image();
}

QImage GlyphHospital() {
    PixelCanvas c = Blank();
    c.Stamp(0, 0, {"................",
                   ".....kkkkkk.....",
                   ".....krrrRk.....",
                   ".....krrrRk.....",
                   ".....krrrRk.....",
                   ".kkkkkrrrRkkkkk.",
                   ".krrrrbbbbrrrrk.",
                   ".krrrrbwbbrrrrk.",
                   ".krrrrbbbcrrrRk.",
                   ".kRRRRbbccRRRRk.",
                   ".kkkkkrrrRkkkkk.",
                   ".....krrrRk.....",
                   ".....krrrRk.....",
                   ".....kRRRRk.....",
                   ".....kkkkkk.....",
                   "................"},
            GlyphColours());
    return c.Image();
}

QImage GlyphInternetCafe() {
    PixelCanvas c = Blank();
    const auto& k = GlyphColours();
    c.Stamp(0, 1, {"kkkkkkkkkkkkk",
                   "ksssssssssssk",
                   "ksbbcBBBBBBSk",
                   "ksbcBBBBBBBSk",
                   "kscBBBBBBBBSk",
                   "ksBBBBBBBBnSk",
                   "ksBBBBBBBnnSk",
                   "ksSSSSSSSSSSk",
                   "kkkkkkkkkkkkk",
                   ".....kSk.....",
                   "...kkkkkkk...",
                   "...ksssssk...",
                   "...kkkkkkk..."},
            k);
    c.Stamp(8, 5, {"k......",
                   "kk.....",
                   "kwk....",
                   "kwwk...",
                   "kwwwk..",
                   "kwwwwk.",
                   "kwwwwwk",
                   "kwwkkkk",
                   "kwk....",
                   "kk.....",
                   "k......"},
            k);
    return c.Image();
}

QImage GlyphAgency() {
    // Two figures behind, a third in front.
    PixelCanvas c = Blank();
    const auto& k = GlyphColours();
    c.Stamp(0, 2, {".kkk.",
                   "kfffk",
                   "kfffk",
                   ".kkk.",
                   "krrrk",
                   "krrRk",
                   "krrRk",
                   "krrRk",
                   ".kkk."},
            k);
    c.Stamp(11, 2, {".kkk.",
                    "kfffk",
                    "kfffk",
                    ".kkk.",
                    "kBBnk",
                    "kBBnk",
                    "kBBnk",
                    "kBBnk",
                    ".kkk."},
            k);
    c.Stamp(4, 4, {"..kkkk..",
                   ".khhhhk.",
                   ".kffffk.",
                   ".kffffk.",
                   "..kkkk..",
                   ".kyyyyk.",
                   "kyyyyyYk",
                   "kyyyyyYk",
                   "kfyyyYfk",
                   "kkGGGDkk",
                   ".kGGkDk.",
                   ".kGk.Dk.",
                   ".kkk.kk."},
            k);
    return c.Image();
}

QImage GlyphStatement() {
    PixelCanvas c = Blank();
    const auto& k = GlyphColours();
    c.Stamp(1, 0, {"kkkkkkkk...",
                   "kwwwwwwkk..",
                   "kwSSSSwksk.",
                   "kwwwwwwkkkk",
                   "kwSSSSSSSwk",
                   "kwwwwwwwwwk",
                   "kwSSSSSSSwk",
                   "kwwwwwwwwwk",
                   "kwSSSSSSwwk",
                   "kwwwwwwwwwk",
                   "kwSSSSwwwwk",
                   "kwwwwwwwwwk",
                   "kwSSSwwwwwk",
                   "kwwwwwwwwwk",
                   "kkkkkkkkkkk"},
            k);
    c.Stamp(6, 3, {".......kk",
                   "......kRrk",
                   ".....kyyk.",
                   "....kyyYk.",
                   "...kyyYk..",
                   "..kyyYk...",
                   ".kffYk....",
                   ".kffk.....",
                   "kKkk......",
                   "kk........"},
            k);
    return c.Image();
}

QImage GlyphHelp() {
    // A blue folder closed by a yellow zip along its top.
    PixelCanvas c = Blank();
    c.Stamp(0, 1, {"................",
                   "..kkkkk.........",
                   ".kcccccK........",
                   "kcbbbbbckkkkkkk.",
                   "kcccccccccccccnk",
                   "kyYyYyYyYyYyYyYk",
                   "kBBBBBBBBBBkYkBk",
                   "kBBBBBBBBBBkykBk",
                   "kBBBBBBBBBBkkkBk",
                   "kBBBBBBBBBBBBBnk",
                   "kBBBBBBBBBBBBBnk",
                   "kBBBBBBBBBBBBBnk",
                   "kBnnnnnnnnnnnnnk",
                   ".kkkkkkkkkkkkkk.",
                   "................"},
            GlyphColours());
    return c.Image();
}

// clang-format on
} // namespace tp::generator
