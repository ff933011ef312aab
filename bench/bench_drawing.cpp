#include <benchmark/benchmark.h>

#include "model/canvas.h"
#include "ops/colourreplacement.h"
#include "ops/flips.h"
#include "ops/undo.h"
#include "tools/pointermove.h"
#include "tools/shapetools.h"

using namespace tavrolin;

namespace {

// A picture with every colour in every row, so no path is the all-white shortcut.
void fillWithCheckers(model::EditorState& state) {
    model::PictureGrid::forEachUsedCell([&](int x, int y) {
        state.picture.at(x, y) = static_cast<model::ColorCode>((x / 4 + y / 4) % 5);
    });
    model::repaintCanvas(state);
}

void BM_FullRepaint(benchmark::State& run) {
    model::EditorState state;
    fillWithCheckers(state);
    for (auto _ : run) {
        model::repaintCanvas(state);
    }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMicrosecond);

// One pointer move with the left button held and the widest pen, alternating
// between two places so every move writes and paints.
void BM_PenMoveWidth3(benchmark::State& run) {
    model::EditorState state;
    state.penWidth = 3;
    float x = 100;
    for (auto _ : run) {
        tools::pointerMoved(state, tools::kLeftButton, x, 150);
        x = x == 100 ? 300 : 100;
    }
}
BENCHMARK(BM_PenMoveWidth3)->Unit(benchmark::kMicrosecond);

// The second click of a rectangle across most of the picture.
void BM_RectangleCommit(benchmark::State& run) {
    model::EditorState state;
    fillWithCheckers(state);
    state.currentTool = model::kRectangleTool;
    for (auto _ : run) {
        state.shape = {true, model::BoxOutline{11, 11, 600, 280}};
        tools::commitShape(state);
    }
}
BENCHMARK(BM_RectangleCommit)->Unit(benchmark::kMicrosecond);

void BM_Flip(benchmark::State& run) {
    model::EditorState state;
    fillWithCheckers(state);
    for (auto _ : run) {
        ops::flipHorizontally(state);
    }
}
BENCHMARK(BM_Flip)->Unit(benchmark::kMicrosecond);

void BM_Undo(benchmark::State& run) {
    model::EditorState state;
    fillWithCheckers(state);
    model::takeUndoCopy(state);
    // "Naspäť" and "Znova" in turn, so there is always a step to take.
    for (auto _ : run) {
        ops::undoLastOperation(state);
        ops::redoUndoneOperation(state);
    }
}
BENCHMARK(BM_Undo)->Unit(benchmark::kMicrosecond);

void BM_ColourSwap(benchmark::State& run) {
    model::EditorState state;
    fillWithCheckers(state);
    for (auto _ : run) {
        ops::replaceColours(state, model::kBlack, model::kWhite, true);
    }
}
BENCHMARK(BM_ColourSwap)->Unit(benchmark::kMicrosecond);

}  // namespace
