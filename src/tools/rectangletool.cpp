#include <QPainter>

#include "tools/outline.h"
#include "tools/toolpicture.h"
#include "tools/tooltable.h"

namespace tavrolin::tools {

namespace {

using model::EditorState;

void draw(EditorState& state) {
    const auto& outline = std::get<model::BoxOutline>(state.shape.outline);
    const int x0 = previewPixel(outline.left);
    const int y0 = previewPixel(outline.top);
    const int x1 = previewPixel(outline.left + outline.width);
    const int y1 = previewPixel(outline.top + outline.height);
    model::PictureBox& preview = state.preview;
    preview.line(x0, y0, x0, y1);
    // One further down than the other edges, as the line leaves out its end point:
    // this is what paints the bottom-right corner.
    preview.line(x1, y0, x1, y1 + 1);
    preview.line(x0, y0, x1, y0);
    preview.line(x0, y1, x1, y1);
}

void paintOutline(const model::ShapeInProgress& shape, QPainter& painter) {
    const auto& box = std::get<model::BoxOutline>(shape.outline);
    painter.drawRect(QRectF(box.left, box.top, box.width, box.height));
}

QImage picture() {
    ToolPicture picture;
    picture.painter().setPen(QPen(kButtonInk, 1));
    picture.painter().drawRect(2, 3, 11, 9);
    return picture.done();
}

}  // namespace

const ToolDescription rectangleTool{
    .tool = model::kRectangleTool,
    .button = "Command28",
    .word = QT_TRANSLATE_NOOP("Tools", "obdĺžnik"),
    .activeCaption = QT_TRANSLATE_NOOP("Tools", "aktívne: obdĺžnik"),
    .key = Qt::Key_R,
    .picture = picture,
    .pointerMoved = stretchBox,
    .start = startBox,
    .draw = draw,
    .paintOutline = paintOutline,
};

}  // namespace tavrolin::tools
