#pragma once

#include <cstdint>

#include "model/editorstate.h"

namespace tavrolin::tools {

// The circle a circle outline stands for, in preview pixels: the circle inscribed in
// the outline's box, its diameter and its box's top-left corner taken to cells.
struct CircleGeometry {
    float circleCenterX = 0;
    float circleCenterY = 0;
    std::int16_t circleRadius = 0;
};
CircleGeometry circleInOutline(const model::BoxOutline& outline);

// A click on the canvas, which acts at the displayed cell: with a shape tool it
// places the shape's first point, or, once placed, commits the shape. With the pen
// it does nothing.
void canvasClicked(model::EditorState& state);

// Draws the current tool's shape from its outline into the preview, hides the
// outline, takes the undo copy and rebuilds the picture from the preview.
void commitShape(model::EditorState& state);

}  // namespace tavrolin::tools
