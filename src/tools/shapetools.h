#pragma once

#include "model/editorstate.h"

namespace tavrolin::tools {

// A click on the canvas, which acts at the displayed cell: a one-click tool acts there;
// a shape tool places the shape's first point, or, once placed, commits the shape. With
// the pen it does nothing.
void canvasClicked(model::EditorState& state);

// Draws the current tool's shape from its outline into the preview, gives up the shape
// in progress, takes the undo copy and rebuilds the picture from the preview.
void commitShape(model::EditorState& state);

}  // namespace tavrolin::tools
