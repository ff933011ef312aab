#include "tools/shapetools.h"

#include "model/canvas.h"
#include "model/readback.h"
#include "tools/tooltable.h"

namespace tavrolin::tools {

namespace {

// The first point lies one pixel inside the cell, on its second column and row.
float firstPoint(int cell) {
    return static_cast<float>(model::kCellSize * (cell - 1) + 1);
}

}  // namespace

void canvasClicked(model::EditorState& state) {
    const ToolDescription& tool = describeTool(state.currentTool);
    if (tool.clicked != nullptr) {
        tool.clicked(state);
        return;
    }
    if (!tool.takesTwoClicks()) {
        return;
    }
    if (state.shape.started) {
        commitShape(state);
        return;
    }
    state.shape.started = true;
    tool.start(state, firstPoint(state.pointerCellX), firstPoint(state.pointerCellY));
}

void commitShape(model::EditorState& state) {
    const ToolDescription& tool = describeTool(state.currentTool);
    if (!tool.takesTwoClicks()) {
        return;
    }
    // The preview is the source of the whole picture here; bring it up to date first
    // so no cell the timer has not shown yet is lost.
    model::refreshPreview(state);
    state.preview.setDrawingColor(*model::paletteRgb(state.currentColor));
    tool.draw(state);
    state.shape = {};
    model::takeUndoCopy(state);
    model::readPictureFromBox(state, state.preview);
    model::repaintCanvas(state);
}

}  // namespace tavrolin::tools
