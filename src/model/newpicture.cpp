#include "model/newpicture.h"

#include "model/canvas.h"

namespace tavrolin::model {

void resetToPen(EditorState& state) {
    state.currentTool = kPen;
    state.shape = {};
}

void newPicture(EditorState& state) {
    takeUndoCopy(state);
    setCurrentColor(state, kBlack);
    state.fileName.clear();
    state.canvas.clear();
    state.preview.clear();
    state.hedgehogBox.clear();
    resetToPen(state);
    state.picture.clearUsedCells();
    drawGrid(state);
    // The preview shows the empty picture at once rather than at the next refresh.
    refreshPreview(state);
}

}  // namespace tavrolin::model
