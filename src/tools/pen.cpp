#include "tools/pen.h"

#include "model/canvas.h"
#include "tools/brush.h"
#include "tools/pointermove.h"
#include "tools/toolpicture.h"
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
    if (buttons != kLeftButton || !model::inPicture(cx, cy)) {
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

// A paint brush: the handle from the top right down to the ferrule, then the bristles
// and a stroke.
QImage brushPicture() {
    ToolPicture picture(24, 23);
    QPainter& p = picture.painter();
    p.setPen(QPen(QColor(150, 90, 30), 2));
    p.drawLine(20, 2, 11, 11);
    p.setPen(QPen(QColor(160, 160, 170), 2));
    p.drawLine(11, 11, 9, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(kButtonInk);
    p.drawPolygon(QPolygon({QPoint(8, 13), QPoint(10, 15), QPoint(6, 19), QPoint(3, 19)}));
    p.setPen(QPen(QColor(0, 0, 255), 1));
    p.drawLine(2, 21, 12, 21);
    return picture.done();
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
    .tool = model::kPen,
    .button = "Command26",
    .word = QT_TRANSLATE_NOOP("Tools", "pero"),
    .activeCaption = QT_TRANSLATE_NOOP("Tools", "aktívne: pero"),
    .key = Qt::Key_P,
    .picture = brushPicture,
    .pointerMoved = paintWithPen,
};

}  // namespace tavrolin::tools
