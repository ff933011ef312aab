#include "tools/pointermove.h"

#include <cmath>

#include "tools/tooltable.h"

namespace tavrolin::tools {

int canvasCell(float position) {
    // Floor, not truncation: −0.5 lies in column 0, left of the picture.
    return static_cast<int>(std::floor(position / model::kCellSize)) + 1;
}

void pointerMoved(model::EditorState& state, int buttons, float x, float y) {
    state.pointerCellX = canvasCell(x);
    state.pointerCellY = canvasCell(y);
    const ToolDescription& tool = describeTool(state.currentTool);
    if (tool.pointerMoved != nullptr && (!tool.takesTwoClicks() || state.shape.started)) {
        tool.pointerMoved(state, buttons, x, y);
    }
}

}  // namespace tavrolin::tools
