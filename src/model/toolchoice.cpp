#include "model/toolchoice.h"

namespace tavrolin::model {

void chooseTool(EditorState& state, Tool tool) {
    state.currentTool = tool;
    if (tool != kLineTool) {
        state.pen2.y1 = kHiddenOutlineY;
        state.pen2.y2 = kHiddenOutlineY;
    }
    if (tool != kRectangleTool) {
        state.pen3.top = kHiddenOutlineY;
    }
    if (tool != kCircleTool) {
        state.pen4.top = kHiddenOutlineY;
    }
}

}  // namespace tavrolin::model
