#include "tools/pen.h"

#include "tools/brush.h"
#include "tools/pointermove.h"

namespace tavrolin::tools {

using model::kCellSize;

void paintWithPen(model::EditorState& state, int buttons, int cx, int cy) {
    const bool inside = cx >= 1 && cx <= model::kColumns && cy >= 1 && cy <= model::kRows;
    if (buttons != kLeftButton || !inside) {
        return;
    }
    forEachBrushCell(state.penWidth, cx, cy,
                     [&](int x, int y) { state.picture.at(x, y) = state.currentColor; });
    // The whole block goes to the canvas; the parts outside the picture lie outside
    // the canvas and are clipped, so the canvas shows exactly the cells written.
    // Painted in the current colour's own shade, so canvas and picture agree even
    // if some routine left the drawing colour elsewhere.
    const model::Rgb colour = *model::paletteRgb(state.currentColor);
    forEachBlockCell(state.penWidth, cx, cy, [&](int x, int y) {
        state.canvas.fillRect(QRect(kCellSize * x - kCellSize, kCellSize * y - kCellSize,
                                    kCellSize - 1, kCellSize - 1),
                              colour);
    });
}

}  // namespace tavrolin::tools
