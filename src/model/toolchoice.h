#pragma once

#include "model/editorstate.h"

namespace tavrolin::model {

// Makes a tool the active one, hides the rubber bands of the other shape tools and
// drops a shape they had begun: choosing its tool again starts afresh.
void chooseTool(EditorState& state, Tool tool);

}  // namespace tavrolin::model
