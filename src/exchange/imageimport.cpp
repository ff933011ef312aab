#include "exchange/imageimport.h"

#include "model/canvas.h"
#include "model/newpicture.h"
#include "model/readback.h"

namespace tavrolin::exchange {

model::Outcome importImage(model::EditorState& state, const QString& path,
                           const ImportColours& colours) {
    // Read the file before touching anything, so that a file that is no image costs
    // the user neither the picture nor the undo copy.
    if (model::Outcome loaded = loadAsImported(state.importBox, path); !loaded) {
        return loaded;
    }
    takeImportedPicture(state, model::pictureInBox(state.importBox, colours.kept()));
    return model::Done{};
}

void takeImportedPicture(model::EditorState& state, const model::PictureGrid& picture) {
    model::takeUndoCopy(state);
    model::resetToPen(state);
    model::setCurrentColor(state, model::kBlack);
    state.picture.copyUsedCellsFrom(picture);
    // Clears the canvas, draws the grid, paints every cell and brings the preview up to
    // date, leaving the drawing colour black.
    model::repaintCanvas(state);
}

}  // namespace tavrolin::exchange
