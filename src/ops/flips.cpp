#include "ops/flips.h"

#include "model/canvas.h"

namespace tavrolin::ops {

namespace {

using model::kColumns;
using model::kRows;
using model::PictureGrid;

// Cell (x, y) goes to mirrored(x, y); the mirror image is built in the flip buffer
// so no cell is overwritten before it is read.
template <typename Mirror>
void flip(model::EditorState& state, Mirror&& mirrored) {
    state.canvas.setDrawingColor(model::kBlackRgb);
    model::takeUndoCopy(state);
    PictureGrid::forEachUsedCell([&](int x, int y) {
        const auto [toX, toY] = mirrored(x, y);
        state.flipBuffer.at(toX, toY) = state.picture.at(x, y);
    });
    state.picture.copyUsedCellsFrom(state.flipBuffer);
    model::repaintCanvas(state);
}

struct Cell {
    int x;
    int y;
};

}  // namespace

void flipHorizontally(model::EditorState& state) {
    flip(state, [](int x, int y) { return Cell{kColumns + 1 - x, y}; });
}

void flipVertically(model::EditorState& state) {
    flip(state, [](int x, int y) { return Cell{x, kRows + 1 - y}; });
}

}  // namespace tavrolin::ops
