#include "tools/pointermove.h"

#include <cmath>

#include "tools/pen.h"
#include "tools/rubberband.h"

namespace tavrolin::tools {

int canvasCell(float position) {
    // Floor, not truncation: −0.5 lies in column 0, left of the picture.
    return static_cast<int>(std::floor(position / model::kCellSize)) + 1;
}

void pointerMoved(model::EditorState& state, int buttons, float x, float y) {
    state.pointerCellX = canvasCell(x);
    state.pointerCellY = canvasCell(y);
    if (state.currentTool == model::kPen) {
        paintWithPen(state, buttons, state.pointerCellX, state.pointerCellY);
    }
    updateRubberBand(state, x, y);
}

}  // namespace tavrolin::tools
