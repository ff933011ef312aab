#pragma once

#include <QString>

#include "exchange/imagescan.h"
#include "model/editorstate.h"

namespace tavrolin::exchange {

// "Importuj obrázok": loads the image into the import box and makes its top-left
// 128 × 64 pixels the picture, undoable, with the pen in black. A file that is not a
// readable image gives the reason and changes nothing, the import box included.
model::Outcome importImage(model::EditorState& state, const QString& path,
                           const ImportColours& colours);

}  // namespace tavrolin::exchange
