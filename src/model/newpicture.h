#pragma once

#include "model/editorstate.h"

namespace tavrolin::model {

// "Nový": an empty picture with the pen in black; the old picture can be brought back.
void newPicture(EditorState& state);

// Drops a shape whose first point is placed, and makes the pen the tool: what a new, opened or
// imported picture starts with.
void resetToPen(EditorState& state);

}  // namespace tavrolin::model
