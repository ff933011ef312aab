#include "tools/rubberband.h"

namespace tavrolin::tools {

namespace {

void stretchBox(model::BoxOutline& box, float x, float y) {
    if (x - box.left > 0) {
        box.width = x - box.left;
    }
    if (y - box.top > 0) {
        box.height = y - box.top;
    }
}

}  // namespace

void updateRubberBand(model::EditorState& state, float x, float y) {
    if (state.currentTool == model::kLineTool && state.lineStarted == 1) {
        state.pen2.x2 = x;
        state.pen2.y2 = y;
    } else if (state.currentTool == model::kRectangleTool && state.rectStarted == 1) {
        stretchBox(state.pen3, x, y);
    } else if (state.currentTool == model::kCircleTool && state.circleStarted == 1) {
        stretchBox(state.pen4, x, y);
    }
}

}  // namespace tavrolin::tools
