#pragma once

#include "model/editorstate.h"

namespace tavrolin::ops {

// "Naspäť": puts back the picture kept by the last undoable operation, once. Pen
// strokes made since are lost with it; there is no redo.
void undoLastOperation(model::EditorState& state);

}  // namespace tavrolin::ops
