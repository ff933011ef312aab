#pragma once

#include <QImage>

#include "exchange/imagefit.h"
#include "model/editorstate.h"

namespace tavrolin::exchange {

// "Importuj obrázok" of an image fitted to the screen: the import box shows the image
// as scaled, the picture becomes it in the calculator's colours, undoable, with the
// pen in black.
void importFittedImage(model::EditorState& state, const QImage& source, const FitOptions& options);

}  // namespace tavrolin::exchange
