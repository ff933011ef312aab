#pragma once

#include "model/editorstate.h"

namespace tavrolin::model {

// Rebuilds every cell of the picture from a 128 × 64 box, pixel (x − 1, y − 1) giving
// cell (x, y); a pixel in none of the read-back colours gives white.
void readPictureFromBox(EditorState& state, const PictureBox& box);

// Lays the picture, as the preview shows it once brought up to date, into another
// 128 × 64 box in pure palette colours. The box is neither cleared nor given a
// drawing colour here; the callers do that first.
void copyPreviewInto(EditorState& state, PictureBox& box);

}  // namespace tavrolin::model
