#include "model/toolchoice.h"

namespace tavrolin::model {

void chooseTool(EditorState& state, Tool tool) {
    state.currentTool = tool;
    // A shape whose outline goes out of sight is given up with it, so it never
    // resumes from an outline the user cannot see.
    if (tool != kLineTool) {
        state.pen2.y1 = kHiddenOutlineY;
        state.pen2.y2 = kHiddenOutlineY;
        state.lineStarted = 0;
    }
    if (tool != kRectangleTool) {
        state.pen3.top = kHiddenOutlineY;
        state.rectStarted = 0;
    }
    if (tool != kCircleTool) {
        state.pen4.top = kHiddenOutlineY;
        state.circleStarted = 0;
    }
}

}  // namespace tavrolin::model
