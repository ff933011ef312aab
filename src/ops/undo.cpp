#include "ops/undo.h"

#include "model/canvas.h"

namespace tavrolin::ops {

void undoLastOperation(model::EditorState& state) {
    state.undoHistory.undo(state.picture);
    model::repaintCanvas(state);
}

void redoUndoneOperation(model::EditorState& state) {
    state.undoHistory.redo(state.picture);
    model::repaintCanvas(state);
}

}  // namespace tavrolin::ops
