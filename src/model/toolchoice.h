#pragma once

#include "model/editorstate.h"

namespace tavrolin::model {

// Makes a tool the active one and hides the rubber bands of the other shape tools.
// A shape whose first point is placed stays pending: its tool resumes it later.
void chooseTool(EditorState& state, Tool tool);

}  // namespace tavrolin::model
