// SPDX-License-Identifier: MIT
// How long the pictures take to decode: all eight together should stay well under 5 ms, as
// each is decoded when its window is first drawn.

#include "imaging/StoredPicture.h"
#include "resources/Resources.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

using tp::imaging::ColourDepth;
using tp::resources::PictureId;

constexpr std::array kAll{PictureId::MainBeach,   PictureId::MainMap,
                          PictureId::MainIsland,  PictureId::DiaryTown,
                          PictureId::BankLogo,    PictureId::HospitalBuilding,
                          PictureId::CafeBrowser, PictureId::AgencyPavilion};

void DecodeAll(benchmark::State& state, ColourDepth depth) {
    for (auto _ : state) {
        for (PictureId id : kAll) {
            auto result = tp::imaging::DecodeStoredPicture(tp::resources::Picture(id), depth);
            if (!result.ok) {
                state.SkipWithError(result.error.c_str());
                return;
            }
            benchmark::DoNotOptimize(result.picture.pixels.data());
        }
    }
}

void BM_DecodeAllPictures(benchmark::State& state) {
    DecodeAll(state, ColourDepth::TrueColour);
}
void BM_DecodeAllPicturesToPalette(benchmark::State& state) {
    DecodeAll(state, ColourDepth::Palette);
}

void BM_DecodeOnePicture(benchmark::State& state) {
    const auto id = static_cast<PictureId>(state.range(0));
    for (auto _ : state) {
        auto result =
            tp::imaging::DecodeStoredPicture(tp::resources::Picture(id), ColourDepth::TrueColour);
        benchmark::DoNotOptimize(result.picture.pixels.data());
    }
}

} // namespace

BENCHMARK(BM_DecodeAllPictures)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecodeAllPicturesToPalette)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecodeOnePicture)->DenseRange(0, 7)->Unit(benchmark::kMicrosecond);
