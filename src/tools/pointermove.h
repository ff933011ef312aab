#pragma once

#include "model/editorstate.h"

namespace tavrolin::tools {

// Mouse buttons as a pointer move reports them, summed.
enum MouseButton : int { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };

// The column (or row) of the cell under a canvas position. Positions left of or
// above the canvas give 0, −1, ... and those beyond it 129, 130, ...: the display
// shows where the pointer is, and the tools decide what lies inside.
int canvasCell(float position);

// One pointer move over the canvas at (x, y) with the given buttons held: the
// displayed cell follows the pointer, the pen paints, a started shape's rubber
// band follows.
void pointerMoved(model::EditorState& state, int buttons, float x, float y);

}  // namespace tavrolin::tools
