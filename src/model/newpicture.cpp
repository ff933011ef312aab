#include "model/newpicture.h"

#include "model/canvas.h"

namespace tavrolin::model {

void resetToPen(EditorState& state) {
    state.currentTool = kPen;
    state.lineStarted = 0;
    state.rectStarted = 0;
    state.circleStarted = 0;
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
    state.markSaved();
    drawGrid(state);
    // The preview shows the empty picture at once rather than at the next refresh.
    refreshPreview(state);
}

}  // namespace tavrolin::model
