#pragma once

#include "model/editorstate.h"

namespace tavrolin::stamps {

// A click on the hedgehog box: stops drawing, or starts it on a fresh copy of the
// picture with the anchor where the pointer last was.
void toggleHedgehog(model::EditorState& state);

// A pointer move to (x, y) in box pixels: moves the anchor while not drawing, adds one
// spine from the anchor while drawing, in the current colour either way.
void trackHedgehog(model::EditorState& state, float x, float y);

// Lays the current picture into the hedgehog box; spines drawn so far are lost.
void showHedgehogPicture(model::EditorState& state);

// Clears the hedgehog box; drawing goes on if it was on.
void eraseHedgehog(model::EditorState& state);

// Makes the box's content the picture, undoable, and clears the box.
void insertHedgehog(model::EditorState& state);

}  // namespace tavrolin::stamps
