#pragma once

#include "model/editorstate.h"

namespace tavrolin::model {

// "Nový": an empty picture with the pen in black; the old picture can be brought back.
void newPicture(EditorState& state);

// Drops a shape whose first point is placed, and makes the pen the tool: what a new, opened or
// imported picture starts with.
void resetToPen(EditorState& state);

// The start of every picture that replaces the current one: the old one is kept for
// "Naspäť", the pen in black is the tool, and the picture is blank, of no Pict number. The canvas
// still shows the old picture.
void clearForNewPicture(EditorState& state);

// A picture that replaces the current one whole (an opened .g1m picture, an imported
// image): as clearForNewPicture, then the picture is `picture` and the canvas shows it.
void adoptPicture(EditorState& state, const PictureGrid& picture);

}  // namespace tavrolin::model
