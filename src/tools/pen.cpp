#include "tools/pen.h"

#include "model/canvas.h"
#include "tools/brush.h"
#include "tools/pointermove.h"
#include "tools/tooltable.h"

namespace tavrolin::tools {

namespace {

constexpr std::int16_t kThinnest = 1;
constexpr std::int16_t kThickest = 3;

// With the left button alone held and the pointer's cell in the picture, writes the
// brush into the picture and paints its block on the canvas. Takes no undo copy and
// leaves the preview to its timer.
void paintWithPen(model::EditorState& state, int buttons, float x, float y) {
    const int cx = canvasCell(x);
    const int cy = canvasCell(y);
    const bool inside = cx >= 1 && cx <= model::kColumns && cy >= 1 && cy <= model::kRows;
    if (buttons != kLeftButton || !inside) {
        return;
    }
    forEachBrushCell(state.penWidth, cx, cy,
                     [&](int bx, int by) { state.picture.at(bx, by) = state.currentColor; });
    // The whole block goes to the canvas; the parts outside the picture lie outside
    // the canvas and are clipped, so the canvas shows exactly the cells written.
    // Painted in the current colour's own shade, so canvas and picture agree even
    // if some routine left the drawing colour elsewhere.
    const model::Rgb colour = *model::paletteRgb(state.currentColor);
    forEachBlockCell(state.penWidth, cx, cy, [&](int bx, int by) {
        state.canvas.fillRect(model::cellInterior(bx, by), colour);
    });
}

}  // namespace

void makePenThinner(model::EditorState& state) {
    if (state.penWidth > kThinnest) {
        --state.penWidth;
    }
}

void makePenThicker(model::EditorState& state) {
    if (state.penWidth < kThickest) {
        ++state.penWidth;
    }
}

const ToolDescription penTool{
    model::kPen,
    "Command26",
    QT_TRANSLATE_NOOP("Tools", "pero"),
    QT_TRANSLATE_NOOP("Tools", "aktívne: pero"),
    Qt::Key_P,
    nullptr,
    paintWithPen,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};

}  // namespace tavrolin::tools
