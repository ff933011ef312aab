#include <QPainter>

#include "tools/outline.h"
#include "tools/toolpicture.h"
#include "tools/tooltable.h"

namespace tavrolin::tools {

namespace {

using model::EditorState;

void start(EditorState& state, float x, float y) {
    state.shape.outline = model::LineOutline{x, y, x, y};
}

// The line's end follows the exact pointer position.
void follow(EditorState& state, int /*buttons*/, float x, float y) {
    auto& line = std::get<model::LineOutline>(state.shape.outline);
    line.x2 = x;
    line.y2 = y;
}

void draw(EditorState& state) {
    const auto& line = std::get<model::LineOutline>(state.shape.outline);
    state.preview.line(previewPixel(line.x1), previewPixel(line.y1), previewPixel(line.x2),
                       previewPixel(line.y2));
}

void paintOutline(const model::ShapeInProgress& shape, QPainter& painter) {
    const auto& line = std::get<model::LineOutline>(shape.outline);
    painter.drawLine(QPointF(line.x1, line.y1), QPointF(line.x2, line.y2));
}

QImage picture() {
    ToolPicture picture;
    picture.painter().setPen(QPen(kButtonInk, 1));
    picture.painter().drawLine(2, 13, 13, 2);
    return picture.done();
}

}  // namespace

const ToolDescription lineTool{
    .tool = model::kLineTool,
    .button = "Command27",
    .word = QT_TRANSLATE_NOOP("Tools", "čiara"),
    .activeCaption = QT_TRANSLATE_NOOP("Tools", "aktívne: čiara"),
    .key = Qt::Key_L,
    .picture = picture,
    .pointerMoved = follow,
    .start = start,
    .draw = draw,
    .paintOutline = paintOutline,
};

}  // namespace tavrolin::tools
