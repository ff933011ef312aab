#include <benchmark/benchmark.h>

#include <string>

#include "catfile/catwriter.h"
#include "catfile/decodedcatfile.h"
#include "model/picturegrid.h"

// Goal: writing and reading back a whole picture file takes at most 20 µs.

namespace {

using namespace tavrolin::catfile;
using tavrolin::model::PictureGrid;

// Every colour, scattered, so no plane is all zeros.
PictureGrid busyPicture() {
    PictureGrid picture;
    PictureGrid::forEachUsedCell([&](int x, int y) {
        picture.at(x, y) = static_cast<std::int16_t>((3 * x + 7 * y + x * y) % 5);
    });
    return picture;
}

void BM_CatEncodeMonochrome(benchmark::State& state) {
    const PictureGrid picture = busyPicture();
    for (auto _ : state) {
        std::string file = monochromeFile(picture);
        benchmark::DoNotOptimize(file.data());
    }
}
BENCHMARK(BM_CatEncodeMonochrome)->Unit(benchmark::kMicrosecond);

void BM_CatEncodeColour(benchmark::State& state) {
    const PictureGrid picture = busyPicture();
    for (auto _ : state) {
        std::string file = colourFile(picture, {});
        benchmark::DoNotOptimize(file.data());
    }
}
BENCHMARK(BM_CatEncodeColour)->Unit(benchmark::kMicrosecond);

void BM_CatDecodeMonochrome(benchmark::State& state) {
    const std::string file = monochromeFile(busyPicture());
    for (auto _ : state) {
        auto decoded = decodeCatFile(file, {});
        benchmark::DoNotOptimize(&decoded);
    }
}
BENCHMARK(BM_CatDecodeMonochrome)->Unit(benchmark::kMicrosecond);

void BM_CatDecodeColour(benchmark::State& state) {
    const std::string file = colourFile(busyPicture(), {});
    for (auto _ : state) {
        auto decoded = decodeCatFile(file, {});
        benchmark::DoNotOptimize(&decoded);
    }
}
BENCHMARK(BM_CatDecodeColour)->Unit(benchmark::kMicrosecond);

void BM_CatRoundTripMonochrome(benchmark::State& state) {
    const PictureGrid picture = busyPicture();
    for (auto _ : state) {
        auto decoded = decodeCatFile(monochromeFile(picture), {});
        benchmark::DoNotOptimize(&decoded);
    }
}
BENCHMARK(BM_CatRoundTripMonochrome)->Unit(benchmark::kMicrosecond);

void BM_CatRoundTripColour(benchmark::State& state) {
    const PictureGrid picture = busyPicture();
    for (auto _ : state) {
        auto decoded = decodeCatFile(colourFile(picture, {}), {});
        benchmark::DoNotOptimize(&decoded);
    }
}
BENCHMARK(BM_CatRoundTripColour)->Unit(benchmark::kMicrosecond);

}  // namespace
