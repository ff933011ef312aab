#include "ops/undo.h"

#include "model/canvas.h"

namespace tavrolin::ops {

void undoLastOperation(model::EditorState& state) {
    state.undoAvailable = false;
    state.picture.copyUsedCellsFrom(state.undoPicture);
    model::repaintCanvas(state);
}

}  // namespace tavrolin::ops
