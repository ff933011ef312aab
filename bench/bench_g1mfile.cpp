#include <benchmark/benchmark.h>

#include <string>

#include "g1mfile/g1mreader.h"
#include "g1mfile/g1mwriter.h"
#include "model/picturegrid.h"

// Goal: writing a .g1m picture and reading it back takes at most 20 µs.

namespace {

using namespace tavrolin::g1mfile;
using tavrolin::model::PictureGrid;

void BM_G1mRoundTrip(benchmark::State& state) {
    PictureGrid picture;
    PictureGrid::forEachUsedCell([&](int x, int y) {
        picture.at(x, y) = static_cast<std::int16_t>((3 * x + 7 * y + x * y) % 2);
    });
    for (auto _ : state) {
        auto read = readG1mFile(g1mPictureFile(picture, kLastPictureNumber));
        benchmark::DoNotOptimize(&read);
    }
}
BENCHMARK(BM_G1mRoundTrip)->Unit(benchmark::kMicrosecond);

}  // namespace
