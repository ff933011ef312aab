#pragma once

#include "model/editorstate.h"

namespace tavrolin::tools {

// A click on the canvas, which acts at the displayed cell: with a shape tool it
// places the shape's first point, or, once placed, commits the shape. With the pen
// it does nothing.
void canvasClicked(model::EditorState& state);

// Draws the current tool's shape from its outline into the preview, hides the
// outline, takes the undo copy and rebuilds the picture from the preview.
void commitShape(model::EditorState& state);

}  // namespace tavrolin::tools
