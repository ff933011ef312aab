#include "exchange/imageimport.h"

#include "model/canvas.h"
#include "model/newpicture.h"
#include "model/readback.h"

namespace tavrolin::exchange {

bool importImage(model::EditorState& state, const QString& path, const ImportColours& colours) {
    // Read the file before touching anything, so that a file that is no image costs
    // the user neither the picture nor the undo copy.
    if (!state.importBox.load(path)) {
        return false;
    }
    model::takeUndoCopy(state);
    model::resetToPen(state);
    model::setCurrentColor(state, model::kBlack);
    state.picture.copyUsedCellsFrom(model::pictureInBox(state.importBox, colours.kept()));
    // Clears the canvas, draws the grid, paints every cell and brings the preview up to
    // date, leaving the drawing colour black.
    model::repaintCanvas(state);
    return true;
}

}  // namespace tavrolin::exchange
