#include "model/newpicture.h"

#include "model/canvas.h"

namespace tavrolin::model {

void resetToPen(EditorState& state) {
    state.currentTool = kPen;
    state.shape = {};
}

void clearForNewPicture(EditorState& state) {
    takeUndoCopy(state);
    resetToPen(state);
    state.pictNumber = 0;
    setCurrentColor(state, kBlack);
    state.picture.clearUsedCells();
}

void adoptPicture(EditorState& state, const PictureGrid& picture) {
    clearForNewPicture(state);
    state.picture.copyUsedCellsFrom(picture);
    // Clears the canvas, draws the grid, paints every cell and brings the preview up to
    // date, leaving the drawing colour black.
    repaintCanvas(state);
}

void newPicture(EditorState& state) {
    clearForNewPicture(state);
    state.fileName.clear();
    state.canvas.clear();
    state.preview.clear();
    state.hedgehogBox.clear();
    state.markSaved();
    drawGrid(state);
    // The preview shows the empty picture at once rather than at the next refresh.
    refreshPreview(state);
}

}  // namespace tavrolin::model
