#pragma once

#include <array>

#include "model/editorstate.h"

namespace tavrolin::model {

// The colours a read-back keeps, by colour code; a pixel of a colour not kept reads
// back as white.
using KeptColours = std::array<bool, kGreen + 1>;
inline constexpr KeptColours kEveryColour{true, true, true, true, true};

// The picture in the top-left 128 × 64 pixels of a box, pixel (x − 1, y − 1) giving
// cell (x, y): a pixel in one of the read-back colours that is kept gives that colour,
// any other pixel white. Every read-back and every image import scans through this.
PictureGrid pictureInBox(const PictureBox& box, const KeptColours& kept = kEveryColour);

// Rebuilds every cell of the picture from a 128 × 64 box, every colour kept.
void readPictureFromBox(EditorState& state, const PictureBox& box);

// Lays the picture, as the preview shows it once brought up to date, into another
// 128 × 64 box in pure palette colours. The box is neither cleared nor given a
// drawing colour here; the callers do that first.
void copyPreviewInto(EditorState& state, PictureBox& box);

}  // namespace tavrolin::model
