#pragma once

#include "model/editorstate.h"

namespace tavrolin::tools {

// The pen is 1 to 3 cells thick; a step beyond either end is ignored.
void makePenThinner(model::EditorState& state);
void makePenThicker(model::EditorState& state);

}  // namespace tavrolin::tools
