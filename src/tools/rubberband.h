#pragma once

#include "model/editorstate.h"

namespace tavrolin::tools {

// Moves the outline of a started line, rectangle or circle after the pointer at
// canvas position (x, y), whatever buttons are held. A box only grows right and
// down of its first point: a move left of or above it keeps the last size.
void updateRubberBand(model::EditorState& state, float x, float y);

}  // namespace tavrolin::tools
