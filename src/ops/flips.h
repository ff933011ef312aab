#pragma once

#include "model/editorstate.h"

namespace tavrolin::ops {

// "Preklop vodorovne": mirrors the picture left to right, undoably.
void flipHorizontally(model::EditorState& state);

// "Preklop zvislo": mirrors the picture top to bottom, undoably.
void flipVertically(model::EditorState& state);

}  // namespace tavrolin::ops
