#pragma once

#include <QString>

#include "model/editorstate.h"

namespace tavrolin::exchange {

// "Exportuj obrázok": writes the picture, one pixel a cell in the palette colours, as a
// 128 × 64 BMP file and makes black the current colour. A file that cannot be written
// gives false and changes nothing: the colour stays, and a file already there is kept
// whole.
bool exportBmp(model::EditorState& state, const QString& path);

}  // namespace tavrolin::exchange
