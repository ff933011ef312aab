#include "tools/shapetools.h"

#include "model/canvas.h"
#include "model/readback.h"
#include "tools/tooltable.h"

namespace tavrolin::tools {

namespace {

// The first point lies one pixel inside the cell, on its second column and row.
float firstPoint(int cell) {
    return static_cast<float>(model::kCellSize * cell - 4);
}

}  // namespace

void canvasClicked(model::EditorState& state) {
    const ToolDescription& tool = describeTool(state.currentTool);
    if (!tool.takesTwoClicks()) {
        return;
    }
    if (state.*tool.started != 0) {
        commitShape(state);
        return;
    }
    state.*tool.started = 1;
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
    state.*tool.started = 0;
    tool.hideOutline(state);
    model::takeUndoCopy(state);
    model::readPictureFromBox(state, state.preview);
    model::repaintCanvas(state);
}

}  // namespace tavrolin::tools
