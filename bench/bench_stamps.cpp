#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "model/canvas.h"
#include "stamps/hedgehogstamp.h"
#include "stamps/textstamp.h"

using namespace tavrolin;

namespace {

// Printing needs the font database, which needs a GUI application; the benchmarks
// never show a window, so the offscreen platform does.
void ensureGuiApplication() {
    if (QCoreApplication::instance() != nullptr) {
        return;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    static int argc = 1;
    static char name[] = "tavrolin-bench";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

void fillWithStripes(model::EditorState& state) {
    model::PictureGrid::forEachUsedCell([&](int x, int y) {
        state.picture.at(x, y) = static_cast<model::ColorCode>((x / 8 + y / 8) % 5);
    });
}

void BM_TextInsert(benchmark::State& run) {
    ensureGuiApplication();
    model::EditorState state;
    fillWithStripes(state);
    const stamps::TextInput input{QStringLiteral("Ahoj, svet! 0123"), QStringLiteral("DejaVu Sans"),
                                  QStringLiteral("12")};
    for (auto _ : run) {
        stamps::insertText(state, input);
    }
}
BENCHMARK(BM_TextInsert)->Unit(benchmark::kMicrosecond);

// A fan of 64 spines drawn between inserts, as a user's drag leaves it.
void BM_HedgehogInsert(benchmark::State& run) {
    model::EditorState state;
    fillWithStripes(state);
    for (auto _ : run) {
        run.PauseTiming();
        stamps::trackHedgehog(state, 64, 32);
        stamps::toggleHedgehog(state);
        for (int i = 0; i < 64; ++i) {
            stamps::trackHedgehog(state, static_cast<float>(i * 2), static_cast<float>(i % 2 * 63));
        }
        stamps::toggleHedgehog(state);
        run.ResumeTiming();
        stamps::insertHedgehog(state);
    }
}
BENCHMARK(BM_HedgehogInsert)->Unit(benchmark::kMicrosecond);

}  // namespace
