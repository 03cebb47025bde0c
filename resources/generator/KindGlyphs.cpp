// SPDX-License-Identifier: MIT
// The dialog buttons' stock glyphs: 18 x 18 cells in the sixteen standard colours, the
// normal look followed by the disabled look, which is the normal one embossed in grey.

#include "BitmapWriter.h"
#include "Icons.h"
#include "PixelArt.h"

#include <cmath>
#include <map>

// Glyph rows are laid out one per line, as they appear.
// clang-format off
namespace tp::generator {
namespace {

constexpr int kCell = 18;
constexpr QRgb kOlive = qRgb(128, 128, 0); // the transparent colour, never used for drawing

const std::map<char, QRgb>& StockColours() {
    static const std::map<char, QRgb> colours{
        {'k', kSixteenColours[0]},  {'R', kSixteenColours[1]},  {'G', kSixteenColours[2]},
        {'N', kSixteenColours[4]},  {'T', kSixteenColours[6]},  {'s', kSixteenColours[7]},
        {'S', kSixteenColours[8]},  {'r', kSixteenColours[9]},  {'g', kSixteenColours[10]},
        {'y', kSixteenColours[11]}, {'B', kSixteenColours[12]}, {'c', kSixteenColours[14]},
        {'w', kSixteenColours[15]}, {'Y', kSixteenColours[3]},
    };
    return colours;
}

void Check(PixelCanvas& c, int dx, int dy) {
    c.Stamp(dx, dy, {"............gG",
                     "...........gGG",
                     "..........gGG.",
                     ".........gGG..",
                     "gG......gGG...",
                     "gGG....gGG....",
                     ".gGG..gGG.....",
                     "..gGGgGG......",
                     "...gGGG.......",
                     "....gG........"},
            StockColours());
}

void Disc(PixelCanvas& c, QRgb ring, double inner, double outer) {
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            const double d = std::hypot(x - 8.5, y - 8.5);
            if (d >= inner && d <= outer) {
                c.Set(x, y, ring);
            }
        }
    }
}

PixelCanvas NormalCell(const QString& kind) {
    PixelCanvas c(kCell, kCell, kOlive);
    const auto& k = StockColours();
    if (kind == "ok") {
        Check(c, 2, 4);
    } else if (kind == "yes") {
        Check(c, 2, 4);
    } else if (kind == "all") {
        Check(c, 0, 2);
        Check(c, 4, 6);
    } else if (kind == "no") {
        // A red ring with a bar from its top left to its bottom right.
        Disc(c, kSixteenColours[9], 5.2, 7.6);
        for (int y = 0; y < kCell; ++y) {
            for (int x = 0; x < kCell; ++x) {
                if (std::abs(x - y) <= 1 && std::hypot(x - 8.5, y - 8.5) < 6.5) {
                    c.Set(x, y, kSixteenColours[9]);
                }
            }
        }
    } else if (kind == "cancel") {
        for (int i = 3; i < 15; ++i) {
            for (int t = 0; t < 2; ++t) {
                c.Set(i + t, i, kSixteenColours[9]);
                c.Set(i + t, 17 - i, kSixteenColours[9]);
            }
        }
    } else if (kind == "abort") {
        Disc(c, kSixteenColours[9], 0, 7.6);
        for (int i = 5; i < 13; ++i) {
            c.Set(i, i, kSixteenColours[15]);
            c.Set(i + 1, i, kSixteenColours[15]);
            c.Set(i, 17 - i, kSixteenColours[15]);
            c.Set(i + 1, 17 - i, kSixteenColours[15]);
        }
    } else if (kind == "help") {
        c.Stamp(4, 1, {"..BBBBB...",
                       ".BBcccBB..",
                       "BBc...BBB.",
                       "BB....BBB.",
                       "......BBB.",
                       ".....BBB..",
                       "....BBB...",
                       "...BBB....",
                       "...BBB....",
                       "...BBB....",
                       "..........",
                       "...BBB....",
                       "...BBB....",
                       "...BBB...."},
            k);
    } else if (kind == "close") {
        // An open door in its frame.
        c.Stamp(3, 1, {"kkkkkkkkkkk.",
                       "kSSSSSSSSSk.",
                       "kSkkk....Sk.",
                       "kSkyyk...Sk.",
                       "kSkyyyk..Sk.",
                       "kSkyyyyk.Sk.",
                       "kSkyyyyk.Sk.",
                       "kSkykyyk.Sk.",
                       "kSkyyyyk.Sk.",
                       "kSkyyyyk.Sk.",
                       "kSkyyyyk.Sk.",
                       "kSkyyyyk.Sk.",
                       "kSkyyyk..Sk.",
                       "kSkyyk...Sk.",
                       "kSkkk....Sk.",
                       "kkkkkkkkkkk."},
            k);
    } else if (kind == "retry") {
        // Two green arrows chasing each other round.
        Disc(c, kSixteenColours[2], 4.5, 6.5);
        for (int y = 7; y < 11; ++y) {
            for (int x = 0; x < kCell; ++x) {
                c.Set(x, y, kOlive);
            }
        }
        c.Stamp(0, 7, {"GGGGG...........",
                       ".GGG............",
                       "..G............."},
            k);
        c.Stamp(13, 8, {"..G..",
                        ".GGG.",
                        "GGGGG"},
            k);
    } else if (kind == "ignore") {
        // A walking figure.
        c.Stamp(5, 1, {"....kk...",
                       "...kffk..",
                       "....kk...",
                       "...NNNN..",
                       "..NNNNNN.",
                       ".fNNNN.f.",
                       "...NNNN..",
                       "...NNNN..",
                       "...RRRR..",
                       "..RR..RR.",
                       "..RR...RR",
                       ".RR.....R",
                       ".RR......",
                       "kkk....kk"},
            {{'k', kSixteenColours[0]},
                 {'f', kSixteenColours[7]},
                 {'N', kSixteenColours[4]},
                 {'R', kSixteenColours[1]}});
    }
    return c;
}

} // namespace

QImage KindGlyph(const QString& kind) {
    const PixelCanvas normal = NormalCell(kind);
    PixelCanvas both(2 * kCell, kCell, kOlive);
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            both.Set(x, y, normal.At(x, y));
        }
    }
    // The disabled cell: the dark parts of the shape in grey over a white highlight one pixel
    // down and right; light parts drop out, as on an engraved plate.
    const auto ink = [&normal](int x, int y) {
        const QRgb c = normal.At(x, y);
        return c != kOlive && qGray(c) < 200;
    };
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            if (ink(x, y)) {
                both.Set(kCell + x + 1, y + 1, kSixteenColours[15]);
            }
        }
    }
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            if (ink(x, y)) {
                both.Set(kCell + x, y, kSixteenColours[8]);
            }
        }
    }
    return both.Image();
}

// clang-format on
} // namespace tp::generator
