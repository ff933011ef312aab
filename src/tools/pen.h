#pragma once

#include "model/editorstate.h"

namespace tavrolin::tools {

// The pen at pointer cell (cx, cy): with the left button alone held and the cell in
// the picture, writes the brush into the picture and paints its block on the
// canvas. Takes no undo copy and leaves the preview to its timer.
void paintWithPen(model::EditorState& state, int buttons, int cx, int cy);

}  // namespace tavrolin::tools
