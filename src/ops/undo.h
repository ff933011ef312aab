#pragma once

#include "model/editorstate.h"

namespace tavrolin::ops {

// "Naspäť": puts back the picture kept by the latest undoable operation not yet undone;
// the picture it replaces, pen strokes made since included, waits for "Znova".
void undoLastOperation(model::EditorState& state);

// "Znova": brings back what the latest "Naspäť" replaced, while the picture is still
// the one that "Naspäť" left.
void redoUndoneOperation(model::EditorState& state);

}  // namespace tavrolin::ops
