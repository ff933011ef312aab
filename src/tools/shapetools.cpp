#include "tools/shapetools.h"

#include <algorithm>
#include <cmath>

#include "model/canvas.h"
#include "model/readback.h"
#include "tools/pointermove.h"

namespace tavrolin::tools {

namespace {

using model::BoxOutline;
using model::EditorState;
using model::kHiddenOutlineY;

// A canvas position taken to a preview pixel: the column or row of its cell, less one.
int previewPixel(float canvasPosition) {
    return canvasCell(canvasPosition) - 1;
}

// The first point lies one pixel inside the cell, on its second column and row.
float firstPoint(int cell) {
    return static_cast<float>(model::kCellSize * cell - 4);
}

void startShape(EditorState& state) {
    const float x = firstPoint(state.pointerCellX);
    const float y = firstPoint(state.pointerCellY);
    const BoxOutline box{x, y, 1, 1};
    switch (state.currentTool) {
        case model::kLineTool:
            state.lineStarted = 1;
            state.pen2 = model::LineOutline{x, y, x, y};
            break;
        case model::kRectangleTool:
            state.rectStarted = 1;
            state.pen3 = box;
            break;
        case model::kCircleTool:
            state.circleStarted = 1;
            state.pen4 = box;
            break;
        default:
            break;
    }
}

void drawLine(model::PictureBox& preview, const model::LineOutline& outline) {
    preview.line(previewPixel(outline.x1), previewPixel(outline.y1), previewPixel(outline.x2),
                 previewPixel(outline.y2));
}

void drawRectangle(model::PictureBox& preview, const BoxOutline& outline) {
    const int x0 = previewPixel(outline.left);
    const int y0 = previewPixel(outline.top);
    const int x1 = previewPixel(outline.left + outline.width);
    const int y1 = previewPixel(outline.top + outline.height);
    preview.line(x0, y0, x0, y1);
    // One further down than the other edges, as the line leaves out its end point:
    // this is what paints the bottom-right corner.
    preview.line(x1, y0, x1, y1 + 1);
    preview.line(x0, y0, x1, y0);
    preview.line(x0, y1, x1, y1);
}

void drawCircle(model::PictureBox& preview, const BoxOutline& outline) {
    const CircleGeometry circle = circleInOutline(outline);
    preview.circle(static_cast<int>(circle.circleCenterX), static_cast<int>(circle.circleCenterY),
                   circle.circleRadius);
}

bool isStarted(const EditorState& state) {
    switch (state.currentTool) {
        case model::kLineTool:
            return state.lineStarted != 0;
        case model::kRectangleTool:
            return state.rectStarted != 0;
        case model::kCircleTool:
            return state.circleStarted != 0;
        default:
            return false;
    }
}

}  // namespace

CircleGeometry circleInOutline(const BoxOutline& outline) {
    const float m = std::min(outline.width, outline.height);
    CircleGeometry circle;
    circle.circleRadius = static_cast<std::int16_t>(std::floor(m / 10));
    circle.circleCenterX = static_cast<float>(previewPixel(outline.left + (outline.width - m) / 2) +
                                              circle.circleRadius);
    circle.circleCenterY = static_cast<float>(previewPixel(outline.top + (outline.height - m) / 2) +
                                              circle.circleRadius);
    return circle;
}

void canvasClicked(EditorState& state) {
    if (state.currentTool == model::kPen) {
        return;
    }
    if (isStarted(state)) {
        commitShape(state);
    } else {
        startShape(state);
    }
}

void commitShape(EditorState& state) {
    if (state.currentTool == model::kPen) {
        return;
    }
    // The preview is the source of the whole picture here; bring it up to date first
    // so no cell the timer has not shown yet is lost.
    model::refreshPreview(state);
    state.preview.setDrawingColor(*model::paletteRgb(state.currentColor));
    switch (state.currentTool) {
        case model::kLineTool:
            drawLine(state.preview, state.pen2);
            state.lineStarted = 0;
            state.pen2.y1 = state.pen2.y2 = kHiddenOutlineY;
            break;
        case model::kRectangleTool:
            drawRectangle(state.preview, state.pen3);
            state.rectStarted = 0;
            state.pen3.top = kHiddenOutlineY;
            break;
        case model::kCircleTool:
            drawCircle(state.preview, state.pen4);
            state.circleStarted = 0;
            state.pen4.top = kHiddenOutlineY;
            break;
    }
    model::takeUndoCopy(state);
    model::readPictureFromBox(state, state.preview);
    model::repaintCanvas(state);
}

}  // namespace tavrolin::tools
