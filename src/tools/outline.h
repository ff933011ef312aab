#pragma once

#include "model/editorstate.h"
#include "tools/pointermove.h"

namespace tavrolin::tools {

// A canvas position taken to a preview pixel: the column or row of its cell, less one.
inline int previewPixel(float canvasPosition) {
    return canvasCell(canvasPosition) - 1;
}

// The rubber band of the rectangle and the circle: it starts as a 1 × 1 box at the
// first point and only grows right and down of it; a move left of or above it keeps
// the last size.
inline void startBox(model::EditorState& state, float x, float y) {
    state.shape.outline = model::BoxOutline{x, y, 1, 1};
}

inline void stretchBox(model::EditorState& state, int /*buttons*/, float x, float y) {
    auto& box = std::get<model::BoxOutline>(state.shape.outline);
    if (x - box.left > 0) {
        box.width = x - box.left;
    }
    if (y - box.top > 0) {
        box.height = y - box.top;
    }
}

}  // namespace tavrolin::tools
